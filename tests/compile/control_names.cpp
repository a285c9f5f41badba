// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Built three ways by the tests: as written it compiles; a misspelt role, or a control
// named by a string as the old tables did, must not.
#include "platform/form.h"
#include "screens/drill/drill_controls.h"

void wireJudge(platform::Form& form) {
#if defined(KAVELO_MISSPELT_ROLE)
    form.onClick(screens::drill::judgeButon, [] {});
#elif defined(KAVELO_NAME_IN_A_STRING)
    form.onClick("Command5", [] {});
#else
    form.onClick(screens::drill::judgeButton, [] {});
#endif
}
