#include "support/RecordingPrinter.h"

namespace {
// Full-width characters (kana, kanji, full-width forms) take a whole em.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

double widthAt(double points, const QString &text)
{
    int halves = 0;
    for (char32_t c : text.toUcs4())
        halves += isWide(c) ? 2 : 1;
    return halves * points * 25.4 / 72 / 2;
}
} // namespace

double RecordingPrinter::measureWidth(const Font &f, const QString &text) { return widthAt(f.size, text); }

double RecordingPrinter::Width(const Item &it) { return widthAt(it.size, it.text); }

double RecordingPrinter::measureHeight(const Font &f)
{
    return fixedLineHeight ? *fixedLineHeight : f.size * lineHeightPerPoint;
}

bool RecordingPrinter::beginPage(int page)
{
    if (page == failPage)
        return false;
    pages.append(Page{});
    return true;
}

void RecordingPrinter::drawText(const Font &f, double x, double top, const QString &text)
{
    Item it;
    it.x = x;
    it.y = top;
    it.text = text;
    it.font = f.name;
    it.size = f.size;
    it.bold = f.bold;
    it.italic = f.italic;
    pages.last().append(it);
}

void RecordingPrinter::drawLine(int widthPx, double x1, double y1, double x2, double y2)
{
    Item it;
    it.isLine = true;
    it.x = x1;
    it.y = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.drawWidth = widthPx;
    pages.last().append(it);
}

bool RecordingPrinter::finishDoc(int)
{
    ended = true;
    return true;
}

void RecordingPrinter::abortDoc() { aborted = true; }

QStringList RecordingPrinter::Texts(int page) const
{
    QStringList out;
    if (page < 1 || page > pages.size())
        return out;
    for (const Item &it : pages[page - 1])
        if (!it.isLine)
            out << it.text;
    return out;
}

const RecordingPrinter::Item *RecordingPrinter::Find(int page, const QString &text) const
{
    if (page < 1 || page > pages.size())
        return nullptr;
    for (const Item &it : pages[page - 1])
        if (!it.isLine && it.text == text)
            return &it;
    return nullptr;
}

QList<RecordingPrinter::Item> RecordingPrinter::Lines(int page) const
{
    QList<Item> out;
    if (page < 1 || page > pages.size())
        return out;
    for (const Item &it : pages[page - 1])
        if (it.isLine)
            out << it;
    return out;
}
