#pragma once
// Configurations for tests that need many or large ones: random ones as the editor could make
// them, and the largest one a controller takes.

// own
#include "model/kv_doc.h"

// std
#include <random>

// Replaces the contents of `doc` with a random configuration: 1 to 12 stations of every type on
// distinct port/address pairs, 1 to 99 zones, zones switched at random below that count, names
// and texts of random Windows-1252 bytes up to their limits.
void FillRandomConfig(CKVDoc& doc, std::mt19937& random);

// 47 stations of 48 buttons, every zone of 99 on every button and soft button, every text at its
// longest: the most a controller image holds.
void FillLargestConfig(CKVDoc& doc);
