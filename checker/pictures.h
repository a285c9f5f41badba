// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "checker/content_folder.h"
#include "checker/findings.h"

// Every picture the program may load, through its own picture loading, however rarely a
// learner makes it load one: the group pictures when a group is placed, the highlights
// when the pointer rests on the palette, each compound when its letter is clicked.
namespace checker {

QString groupFormula(int group); // "COOH", as the palette shows group 8

void checkGroupPictures(const ContentFolder& folder, Findings& findings);
void checkCompoundPictures(const ContentFolder& folder, Findings& findings);

} // namespace checker
