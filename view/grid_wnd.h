#pragma once
// CGridWnd: the child window that hosts one instance of the grid component. It makes the instance
// in Create, passes its Qt events to it as window messages (when PassToGrid agrees and there is an
// instance), and turns the component's events into calls of its virtual handlers. The window
// value it gives the component is its own address. The application's loaded CGraphicsDll is given
// at construction and must outlive the window; the window owns its instance and deletes it on
// destruction.

// own
#include "kvgraphics/graphics_dll.h"
#include "kvgraphics/kv_graphics.h"

// Qt
#include <QWidget>

// std
#include <cstdint>

class CGridWnd : public QWidget {
public:
    explicit CGridWnd(CGraphicsDll& dll, QWidget* parent = nullptr);
    ~CGridWnd() override;
    CGridWnd(const CGridWnd&) = delete;
    CGridWnd& operator=(const CGridWnd&) = delete;

    // Makes the window a hidden child over `rect` and creates its instance: SSNew with this
    // window, SSInitTable, the fourteen events turned on, GridEventProc as the procedure. False
    // when SSNew or SSInitTable fails (or the component is not loaded); the window then holds no
    // instance.
    bool Create(const QRect& rect);

    CGraphicsDll& GetDll() const { return m_dll; }

    // 1 after a successful SSNew, 0 after a failed one.
    int32_t m_bCreated = 0;
    HSS m_hGrid = nullptr;

    // The component's events, in their slot order; they do nothing here.
    virtual void OnGridEvent406(int32_t, int32_t) {}
    virtual void OnGridEvent407(int32_t, int32_t) {}
    virtual void OnGridEvent417(int32_t, int32_t) {}
    virtual void OnGridEvent418(int32_t, int32_t) {}
    virtual void OnGridEvent415(KVLPARAM, KVWPARAM) {}
    virtual void OnGridEvent416(KVLPARAM, KVWPARAM) {}
    virtual void OnGridEvent402(int32_t, const int32_t*) {}
    virtual void OnGridEvent410() {}
    virtual void OnGridEvent403(int32_t, const int32_t*) {}
    virtual void OnGridEvent404() {}
    virtual void OnGridEvent405() {}
    virtual void OnGridEvent401() {}
    virtual void OnGridEvent414() {}
    // Whether a message goes to the component; when not, the event gets Qt's own handling. A
    // paint is asked with lParam 0: the painter exists only once the paint goes on.
    virtual bool PassToGrid(uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);

    // The procedure given to SSSetDefWindowProc: events 0x400..0x418 to the handlers above
    // (result 0), everything else to the window's default handling, which serves the
    // component's repaint requests.
    static KVLRESULT GridEventProc(KVHWND hWnd, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);

protected:
    bool event(QEvent* event) override;

private:
    // One creation step: SSNew with `window`, recording the outcome in m_bCreated.
    bool NewGrid(KVHWND window);
    void DestroyGrid();
    bool Forward(QEvent& event);
    bool ForwardPaint(QEvent& event);
    KVLRESULT DefaultProc(uint32_t msg, KVLPARAM lParam);

    CGraphicsDll& m_dll;
};
