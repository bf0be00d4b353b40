#pragma once

#include <QRadioButton>

// One of the conclusion's radio buttons: like the others of its group it is reached by the
// mouse, but only the checked one is a stop for the Tab key.
class ConclusionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit ConclusionButton(QWidget* parent = nullptr);
};
