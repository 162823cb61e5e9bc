#pragma once
// The printer the printouts draw on. Coordinates are millimetres from the
// top-left corner of the printable area; CurrentY is the top of the next
// text. A page is opened only when something is drawn on it, so NewPage
// right before EndDoc leaves no blank page and a document with nothing
// drawn prints nothing.
//
// A failure (the printer or file not opened, a page not started) is kept:
// every later call does nothing, and EndDoc throws the job away instead of
// sending half of it.
#include <QString>

namespace Platform {

class Printer {
public:
    virtual ~Printer() = default;
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // The printable area in millimetres.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    void SetFontName(const QString &name) { m_font.name = name; }
    void SetFontSize(double points) { m_font.size = points; }
    void SetBold(bool on) { m_font.bold = on; }
    void SetItalic(bool on) { m_font.italic = on; }
    // Width of the lines drawn, in device pixels.
    void SetDrawWidth(int px) { m_drawWidth = px; }

    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    void SetCurrentX(double mm) { m_x = mm; }
    void SetCurrentY(double mm) { m_y = mm; }

    // Measured in the current font, millimetres. The height is the font's
    // line height (ascent + descent), whatever the text.
    double TextWidth(const QString &text);
    double TextHeight(const QString &text);

    // Draws the text at the current position. With a line end the position
    // moves to the left edge of the next line; without, to the text's end.
    void Print(const QString &text, bool lineEnd = false);
    void Line(double x1, double y1, double x2, double y2);
    // Ends the page being drawn; nothing when nothing was drawn on it.
    void NewPage();
    // Sends the document. False when the job failed: it is thrown away.
    bool EndDoc();
    // Throws the job away.
    void Abort();

    bool Failed() const { return m_failed; }

protected:
    Printer() = default;

    struct Font {
        QString name;
        double size = 11;
        bool bold = false;
        bool italic = false;
    };
    virtual double measureWidth(const Font &f, const QString &text) = 0;
    virtual double measureHeight(const Font &f) = 0;
    // Opens page number `page` (1 = the first); false when it cannot.
    virtual bool beginPage(int page) = 0;
    virtual void drawText(const Font &f, double x, double top, const QString &text) = 0;
    virtual void drawLine(int widthPx, double x1, double y1, double x2, double y2) = 0;
    // Sends what was drawn (pages > 0) or ends a document without pages;
    // false when that fails.
    virtual bool finishDoc(int pages) = 0;
    virtual void abortDoc() = 0;

private:
    bool ensurePage();

    Font m_font;
    int m_drawWidth = 1;
    double m_x = 0;
    double m_y = 0;
    bool m_pageOpen = false;
    int m_pages = 0;
    bool m_failed = false;
    bool m_done = false;
};

// The face a print font name is drawn with: the Japanese body fonts named by
// the string table ("MS GOTHIC", "ＭＳ 明朝", ...) map to an installed face
// that holds Japanese, a Mincho (serif) face for Mincho names, a Gothic one
// otherwise. Other names pass as they are.
QString PrintFaceFor(const QString &name);

} // namespace Platform
