#pragma once
// CStation: one paging station or break-out button panel wired to the PA Controller. The station
// owns its 48 hard buttons; only the first m_nType are in use, the others keep their names and
// zones in memory and come back when the type is raised again.

// own
#include "model/btn.h"
#include "model/limits.h"
#include "model/object.h"

// std
#include <array>
#include <string>

class CStation : public CObject {
public:
    static const CRuntimeClass classCStation;
    static constexpr int kButtonSlots = 48;
    // The type whose field group carries the LCD text (10 Button Break-Out).
    static constexpr int kLcdTextType = 9;

    // A 4-button paging station on port 1, address 1, group 1, with an empty name and LCD text
    // and hard buttons HardButton1 to HardButton48 without zones.
    CStation();

    const CRuntimeClass& GetRuntimeClass() const override { return classCStation; }
    // Field group: type, the first m_nType buttons, name, port, address, group (files of version
    // 258 and later), LCD text (type 9 only).
    void Serialize(CArchive& ar) override;

    // Each setter returns false and keeps the old value when the argument is refused.
    std::string GetName() const { return m_strName; }
    bool SetName(const std::string& name); // up to 25 bytes
    bool SetType(int type);                // 3, 4, 9, 10, 47 or 48
    bool SetPort(int port);                // 1..16
    bool SetAddress(int address);          // 1..15
    bool SetGroup(int group);              // 0..16
    std::string GetLcdText() const { return m_strLcdText; }
    bool SetLcdText(const std::string& text); // up to 16 bytes

    // Type code 0..5 of a valid type (4, 10, 48, 3, 9, 47 in this order), as the controller
    // image and the view layouts number the types; -1 for any other value.
    static int TypeCode(int type);
    // The type of type code `code`; 0 for a code outside 0..5.
    static int TypeOfCode(int code);

    std::array<CBtn, kButtonSlots> m_Buttons;
    std::string m_strName;
    int m_nType = 4; // also the number of buttons in use
    int m_nPort = 1;
    int m_nAddress = 1;
    int m_nGroup = 1;
    std::string m_strLcdText;
};
