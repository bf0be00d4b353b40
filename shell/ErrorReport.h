#pragma once

// One place for every error the program shows. Qt does not let exceptions pass through its
// frames, so each handler catches at its own boundary and hands the error over here; the
// application's notify() is the safety net for the rest.

#include <QString>
#include <exception>

// The executable's file name without its folder and from its first full stop on, the first
// letter in upper case and the others in lower case: "Vertebra". It captions every error box.
QString ApplicationTitle();

// A modal error box (error icon, OK) with the message, a full stop added when its last
// character's code is above the full stop's.
void ShowException(const QString& message);

// The box's text for a message.
QString ErrorBoxText(const QString& message);

// Runs a handler's body; an error ends it and is shown, and the program goes on.
template <class Body>
void RunHandler(Body&& body) noexcept {
    try {
        body();
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown error"));
    }
}
