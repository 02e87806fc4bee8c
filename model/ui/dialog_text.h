#pragma once
// Edit boxes of the model's dialogs: single-byte (Windows-1252) text in and out, a character
// without a single-byte form refused as it is typed or pasted.

// std
#include <string>

class QLineEdit;
class QWidget;

// Gives the edit a validator that refuses characters without a single-byte form.
void AcceptSingleByteText(QLineEdit& edit);
void SetEditText(QLineEdit& edit, const std::string& bytes);
// The edit's text as bytes. A character without a byte (possible only through code that bypasses
// the validator) becomes '?', never a dropped or mangled neighbour.
std::string EditText(const QLineEdit& edit);
// The widget keeps its place in the layout while hidden.
void KeepPlaceWhenHidden(QWidget& widget);
