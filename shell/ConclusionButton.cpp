#include "shell/ConclusionButton.h"

ConclusionButton::ConclusionButton(QWidget* parent) : QRadioButton(parent) {
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QAbstractButton::toggled, this,
            [this](bool checked) { setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
}
