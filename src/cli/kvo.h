#pragma once

#include <QStringList>
#include <cstdio>

// The command-line companion: `kvo card ORDER.kvo [-o CARD.pdf]`, `kvo json ORDER.kvo`,
// `kvo --help`. Takes the arguments after the program name; returns the exit status: 0 done,
// 1 a file could not be read or written, 2 the command line is wrong. Needs a QGuiApplication.
int RunKvo(const QStringList& arguments, std::FILE* out, std::FILE* err);

// Lets the program run without a display: picks the off-screen platform when no display is set.
// Call before the application object is created.
void PrepareHeadlessPlatform();
