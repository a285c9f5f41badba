#pragma once

#include <QString>

namespace drill_rules {

// Group n's formula as the palette shows it ("COOH" for 8, "-" for 0, "?21" for a number
// outside the palette): the name a screen reader and kavelo-check give the group.
QString groupFormula(int group);

} // namespace drill_rules
