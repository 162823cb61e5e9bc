#pragma once
// A printer that keeps what is drawn, page by page, for the layout tests.
// Text measures: a line height of `lineHeightPerPoint` mm a point (or
// `fixedLineHeight` whatever the size), half an em a character wide, a
// whole em for a full-width one.
#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <optional>

class RecordingPrinter : public Platform::Printer {
public:
    struct Item {
        bool isLine = false;
        double x = 0, y = 0, x2 = 0, y2 = 0;
        QString text;
        QString font;
        double size = 0;
        bool bold = false, italic = false;
        int drawWidth = 0;
    };
    using Page = QList<Item>;

    RecordingPrinter(double widthMm = 200, double heightMm = 287) : m_w(widthMm), m_h(heightMm) {}

    double ScaleWidth() const override { return m_w; }
    double ScaleHeight() const override { return m_h; }

    std::optional<double> fixedLineHeight;
    double lineHeightPerPoint = 25.4 / 72;
    // Page number whose start fails (0 = none).
    int failPage = 0;

    QList<Page> pages;
    bool ended = false;     // EndDoc sent the document
    bool aborted = false;

    // The texts of a page (1-based), and the first text item of a page
    // whose text is `text` (nullptr when none).
    QStringList Texts(int page) const;
    const Item *Find(int page, const QString &text) const;
    QList<Item> Lines(int page) const;
    // How wide a text item was drawn, in millimetres.
    static double Width(const Item &it);

protected:
    double measureWidth(const Font &f, const QString &text) override;
    double measureHeight(const Font &f) override;
    bool beginPage(int page) override;
    void drawText(const Font &f, double x, double top, const QString &text) override;
    void drawLine(int widthPx, double x1, double y1, double x2, double y2) override;
    bool finishDoc(int pages) override;
    void abortDoc() override;

private:
    double m_w, m_h;
};
