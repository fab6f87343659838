#pragma once

#include "app/gui/TfrmSaving.h"

// The busy window for the length of one command; hidden again however the command ends.
class ProgressScope {
public:
    explicit ProgressScope(const QString& caption) { ShowProgress(caption); }
    ~ProgressScope() { HideProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
};
