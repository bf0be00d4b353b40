#pragma once

// Builds a window from its layout description, a Qt Designer form: creates every control with
// its properties as children of the given window and binds the handlers the description names.
// Unlike Qt's own loader it is strict: a control, property or handler that does not bind, or
// any complaint while loading, is an error (std::runtime_error with the reason).

#include <QString>

class QWidget;

void LoadForm(const QString& description, QWidget* form);
