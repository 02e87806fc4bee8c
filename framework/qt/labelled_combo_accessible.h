#pragma once
// A drop-down list as screen readers see it, named by its label: Qt's own interface on Linux
// names a list that cannot be typed into by its current value ("3 Seconds *"), so the reader
// never says what is being chosen. This one gives the accessible name as the name, the current
// entry as the value, and the entries' list as its child.

// Installs the factory once per process, for every non-editable combo box given an accessible
// name (its label's text); later calls do nothing.
void InstallLabelledComboAccessibility();
