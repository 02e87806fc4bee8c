#pragma once
// The names a new configuration gives what it holds, which a report tells apart from names given
// since.

// own
#include "model/kv_doc.h"

// std
#include <string>

// "SoftButton11" for the soft button at index 0.
inline std::string DefaultSoftButtonName(int k) {
    return "SoftButton" + std::to_string(k + CKVDoc::kFirstSoftButtonNumber);
}
