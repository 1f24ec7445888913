#pragma once

#include <QString>

// A text as a message quotes it: whole when short, else its first 40
// characters and "…", so that a huge file never fills a message box.
QString Excerpt(const QString &text);
