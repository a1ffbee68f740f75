#pragma once

#include "focus/focussource.h"
#include "switcher/rules.h"

#include <functional>

// Why a focus report leads to no decision at all: nothing in front, a part of the desktop
// shell, or one of our own windows. Empty when the report counts.
QString ignoredBecause(const FocusInfo& info);

// The first rule that matches, or -1. `exeOf` names the executable of a process id; it is
// asked only when a rule names one.
int matchingRule(const RuleSet& set, const FocusInfo& info, const std::function<QString(qint64)>& exeOf);

// The executable's file name of a local process, from /proc; empty when unknown.
QString exeOfProcess(qint64 pid);

// One application, the unit a manual choice holds for: class and instance without case.
QString applicationKey(const FocusInfo& info);
