#pragma once

#include <QString>
#include <functional>

class QDialog;

// A window fills itself when it is first shown. When that fails the window closes; the
// error is shown only once the window is gone, never over the half-built window.

// Runs the first-show work of `window`. On an error the window is closed; when the
// dispatcher opened it the error is kept for the dispatcher, otherwise it is shown now.
// Returns false on an error.
bool RunFirstShow(QDialog* window, const std::function<void()>& work);

// Runs `window` modally as the dispatcher does; returns the error its first show kept
// (empty when none). The caller destroys the window, then shows the error.
QString ExecDispatched(QDialog& window);
