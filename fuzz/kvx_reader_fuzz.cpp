// Any bytes given to the .kvx reader give a document or a refusal. A document that was read
// writes back, reads again and writes the same bytes a second time.

// own
#include "model/formats/archive.h"
#include "model/kv_doc.h"
#include "tests/support/scripted_ui.h"

// std
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    bool read = false;
    try {
        read = doc.ReadConfigFile({data, size});
    } catch (const CArchiveException&) {
    }
    if (!read) return 0;
    std::vector<uint8_t> first;
    doc.WriteConfigFile(first);
    CKVDoc again(ui);
    if (!again.ReadConfigFile(first)) std::abort();
    std::vector<uint8_t> second;
    again.WriteConfigFile(second);
    if (first != second) std::abort();
    return 0;
}
