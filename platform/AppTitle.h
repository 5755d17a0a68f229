#pragma once

#include <QString>

// The program's names, said in one place.
namespace platform {

// The application title: the title of message boxes that have none of their own.
inline QString AppTitle() {
    return QStringLiteral("Kelvora");
}

// The caption of every window: the title and the program's version.
inline QString WindowCaption() {
    return AppTitle() + QStringLiteral(" v" KELVORA_VERSION);
}

} // namespace platform
