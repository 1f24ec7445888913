#include "excerpt.h"

namespace {

constexpr qsizetype kLongest = 40;

}  // namespace

QString Excerpt(const QString &text)
{
    if (text.size() <= kLongest)
        return text;
    // Never half of a character outside the BMP.
    const qsizetype cut = text.at(kLongest - 1).isHighSurrogate() ? kLongest - 1 : kLongest;
    return text.left(cut) + u'…';
}
