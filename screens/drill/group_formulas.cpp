#include "screens/drill/group_formulas.h"

#include "screens/drill/answer_rules.h"

namespace drill_rules {

QString groupFormula(int group) {
    static const char* const formulas[groupCount + 1] = {
        "-",       "CH3",  "CH2CH3", "CH(CH3)2", "CH=CH2", "CHO",     "CH2OH",
        "COOCH3",  "COOH", "COONa",  "Cl",       "NH2",    "NHCOCH3", "N2Cl",
        "NH3+Cl−", "NO2",  "OCOCH3", "ONa",      "OH",     "SO3H",    "SO3Na"};
    if (group < 0 || group > groupCount)
        return QStringLiteral("?%1").arg(group);
    return QString::fromUtf8(formulas[group]);
}

} // namespace drill_rules
