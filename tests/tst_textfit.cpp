// Every fixed text of every window, in Japanese and in English, is whole:
// each label, button, check box, radio button, header title, grid title and
// closed list is measured with its own font against the room its widget
// gives it (the style's contents rectangle, less the margins the style draws
// inside), and no such text runs into a sibling's. Measured at 96 dpi with
// the program's default font; the Japanese glyphs come from the IPA Gothic
// faces scripts/deps.sh installs.
#include <QtTest>

#include "app/Startup.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/SplashWindow.h"
#include "core/AppState.h"
#include "core/AppSettings.h"
#include "core/Twips.h"
#include "paradata/DevSetting.h"
#include "paradata/DeviceList.h"
#include "paradata/StdPara.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "posi/PosiGrid.h"
#include "posi/PosiTables.h"
#include "support/MainScope.h"
#include "support/TestEnv.h"
#include "ui/common/Localize.h"
#include "ui/common/Widgets.h"
#include "ui/common/ChoiceDialog.h"
#include "ui/device/ActuatorWindows.h"
#include "ui/grpsm/GroupWindow.h"
#include "ui/grpsm/SequenceMacroWindow.h"
#include "ui/live/MonitorWindow.h"
#include "ui/live/ProgramTaskWindow.h"
#include "ui/paraedit/ParameterWindow.h"
#include "ui/paraedit/SystemParameterWindow.h"
#include "ui/posi/PositionWindow.h"
#include "ui/posi/PositionRangeDialogs.h"
#include "ui/posi/VerifyResultWindow.h"
#include "ui/prog/ProgramWindow.h"
#include "ui/prog/ProgramNumberDialog.h"
#include "ui/prog/ProgramVerifyResultWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTableView>
#include <QTextLayout>
#include <QTimer>

#include <functional>
#include <memory>

using Platform::ResText;

namespace {

// One text as drawn: where its widget lets it be drawn, and the rectangle
// the text itself takes there (both in the widget's coordinates).
struct Drawn {
    QWidget *widget;
    QString text;
    QRect room;
    QRect ink;
    // What else the widget draws beside its text (a check box's or radio
    // button's indicator); a neighbour's text must keep clear of it too.
    QRect mark;
};

// The least space between a text and the indicator of the check box or
// radio button beside it, in pixels: closer, the caption reads as the next
// button's.
constexpr int kSideGap = 6;

QString nameOf(const QWidget *w)
{
    QString path;
    for (const QWidget *p = w; p && !p->isWindow(); p = p->parentWidget()) {
        if (!p->objectName().isEmpty()) {
            path = p->objectName() + (path.isEmpty() ? QString() : QLatin1Char('/') + path);
            if (p != w)
                break;
        }
    }
    return path.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : path;
}

// Shown as the window stands now (the test turns through the tab pages).
bool shown(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w; p && p != window; p = p->parentWidget()) {
        if (p->isWindow() || p->isHidden())
            return false;
    }
    return true;
}

QRect inkIn(const QWidget *w, const QRect &room, int align, const QSize &size)
{
    return QStyle::alignedRect(w->layoutDirection(), Qt::Alignment(align), size, room);
}

// The text a widget shows and where, or nothing for widgets without one.
std::optional<Drawn> drawnText(QWidget *w)
{
    const QFontMetrics fm(w->font());
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->text().isEmpty() || Qt::mightBeRichText(l->text()))
            return std::nullopt;
        // The label's own measure holds its frame, margin and indent; a
        // wrapped text needs the height it takes at the label's width.
        const QSize need = l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width()))
                                         : l->sizeHint();
        const QRect inner = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QSize textSize = l->wordWrap()
                                   ? fm.boundingRect(inner, Qt::TextWordWrap | int(l->alignment()), l->text()).size()
                                   : fm.size(0, l->text());
        const QRect whole(QPoint(0, 0), l->size());
        Drawn d{w, l->text(), whole, inkIn(w, inner, int(l->alignment()), textSize), {}};
        if (need.width() > whole.width() || need.height() > whole.height())
            d.ink = d.ink.united(QRect(QPoint(0, 0), need));
        return d;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        if (b->text().isEmpty())
            return std::nullopt;
        int align = Qt::AlignCenter;
        if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
            align = Qt::AlignLeft | Qt::AlignVCenter;
        else if (!qobject_cast<QPushButton *>(b))
            return std::nullopt; // tool buttons show icons
        // The style's place for the caption; whether the caption fits it is
        // measured here.
        const QRect room = TextFit::CaptionRect(b);
        QSize size = fm.size(Qt::TextShowMnemonic, b->text());
        if (!b->icon().isNull())
            size.rwidth() += b->iconSize().width() + 4;
        QRect mark;
        if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b)) {
            QStyleOptionButton o;
            o.initFrom(b);
            mark = b->style()->subElementRect(qobject_cast<QCheckBox *>(b) ? QStyle::SE_CheckBoxIndicator
                                                                           : QStyle::SE_RadioButtonIndicator,
                                              &o, b);
        }
        return Drawn{w, b->text(), room, inkIn(w, room, align, size), mark};
    }
    if (auto *c = qobject_cast<QComboBox *>(w)) {
        if (c->isEditable() || c->count() == 0)
            return std::nullopt;
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = false;
        o.frame = c->hasFrame();
        // The label is drawn one pixel in from each side of the edit field.
        const QRect room =
            c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).adjusted(1, 0, -1, 0);
        // Any entry can be the one the closed list shows: the widest counts.
        QString widest;
        for (int i = 0; i < c->count(); ++i) {
            if (fm.horizontalAdvance(c->itemText(i)) > fm.horizontalAdvance(widest))
                widest = c->itemText(i);
        }
        return Drawn{w, widest, room,
                     inkIn(w, room, Qt::AlignLeft | Qt::AlignVCenter,
                           QSize(fm.horizontalAdvance(widest), fm.height())),
                     {}};
    }
    return std::nullopt;
}

bool fits(const Drawn &d) { return d.room.contains(d.ink); }

// A text in a cell or header section: the room, the font, the wrap.
void checkCellText(QStringList &faults, const QString &where, const QString &text, const QFont &font,
                   const QRect &room, bool wrap)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(font);
    const QRect need = wrap ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text)
                            : QRect(QPoint(0, 0), fm.size(0, text));
    if (wrap) {
        // Wrapped as drawn, a line may start only after a space or a line
        // break: a word broken in two ("プログラ / ムNo.") reads as two.
        QTextLayout layout(text, font);
        QTextOption option(Qt::AlignLeft);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            const int at = line.textStart();
            // Where Japanese gives way to a Latin word ("プログラム / No.")
            // is a break too.
            const bool wordStart = at > 0 && (text.at(at - 1).isSpace()
                                              || (text.at(at - 1).unicode() > 0xff && text.at(at).unicode() < 0x80
                                                  && text.at(at).isLetter()));
            if (at > 0 && !wordStart)
                faults << QStringLiteral("%1: \"%2\" wraps inside a word at %3").arg(where, text).arg(at);
        }
        layout.endLayout();
    }
    if (need.width() > room.width() || need.height() > room.height())
        faults << QStringLiteral("%1: \"%2\" needs %3x%4%5, has %6x%7")
                      .arg(where, text)
                      .arg(fm.horizontalAdvance(text))
                      .arg(need.height())
                      .arg(wrap && need.height() > fm.height() ? QStringLiteral(" wrapped") : QString())
                      .arg(room.width())
                      .arg(room.height());
}

void checkHeader(QStringList &faults, QTableView *v, QHeaderView *h)
{
    if (!h->isVisible() && h->isHidden())
        return;
    QAbstractItemModel *m = v->model();
    const int n = h->count();
    for (int s = 0; s < n; ++s) {
        if (h->isSectionHidden(s) || h->sectionSize(s) == 0)
            continue;
        const QString text = m->headerData(s, h->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        const QVariant f = m->headerData(s, h->orientation(), Qt::FontRole);
        QStyleOptionHeader o;
        o.initFrom(h);
        o.section = s;
        o.text = text;
        o.orientation = h->orientation();
        o.rect = h->orientation() == Qt::Horizontal ? QRect(0, 0, h->sectionSize(s), h->height())
                                                     : QRect(0, 0, h->width(), h->sectionSize(s));
        if (f.isValid())
            o.fontMetrics = QFontMetrics(f.value<QFont>());
        // The header elides at four pixels less than its label rectangle.
        QRect room = h->style()->subElementRect(QStyle::SE_HeaderLabel, &o, h);
        room.setWidth(room.width() - 4);
        checkCellText(faults,
                      QStringLiteral("%1 %2 header %3").arg(nameOf(v), h->orientation() == Qt::Horizontal ? "column" : "row").arg(s),
                      text, f.isValid() ? f.value<QFont>() : h->font(), room, false);
    }
}

void checkCells(QStringList &faults, QTableView *v)
{
    QAbstractItemModel *m = v->model();
    if (!m)
        return;
    checkHeader(faults, v, v->horizontalHeader());
    checkHeader(faults, v, v->verticalHeader());
    const int margin = v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1;
    for (int r = 0; r < m->rowCount(); ++r) {
        if (v->isRowHidden(r) || v->rowHeight(r) == 0)
            continue;
        for (int c = 0; c < m->columnCount(); ++c) {
            if (v->isColumnHidden(c) || v->columnWidth(c) == 0)
                continue;
            const QModelIndex i = m->index(r, c);
            const QString text = i.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            QStyleOptionViewItem o;
            o.initFrom(v);
            o.rect = v->visualRect(i);
            o.text = text;
            o.features = QStyleOptionViewItem::HasDisplay;
            if (i.data(Qt::CheckStateRole).isValid())
                o.features |= QStyleOptionViewItem::HasCheckIndicator;
            if (i.data(Qt::DecorationRole).isValid())
                o.features |= QStyleOptionViewItem::HasDecoration;
            const QVariant f = i.data(Qt::FontRole);
            o.font = f.isValid() ? f.value<QFont>() : v->font();
            o.fontMetrics = QFontMetrics(o.font);
            // Across: the style's text rectangle (what a check box or icon
            // leaves) less the margins it draws inside; down: the whole cell.
            QRect room =
                v->style()->subElementRect(QStyle::SE_ItemViewItemText, &o, v).adjusted(margin, 0, -margin, 0);
            room.setTop(o.rect.top());
            room.setBottom(o.rect.bottom());
            checkCellText(faults, QStringLiteral("%1 cell %2,%3").arg(nameOf(v)).arg(r).arg(c), text, o.font, room,
                          v->wordWrap());
        }
    }
}

// Every text of the window as it is shown now.
void checkShown(QStringList &faults, QWidget *window)
{
    QHash<QWidget *, QList<Drawn>> byParent;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!shown(w, window) || w->width() <= 0 || w->height() <= 0)
            continue;
        if (auto *v = qobject_cast<QTableView *>(w)) {
            checkCells(faults, v);
            continue;
        }
        const std::optional<Drawn> d = drawnText(w);
        if (!d)
            continue;
        if (!fits(*d))
            faults << QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                          .arg(nameOf(w), d->text)
                          .arg(d->ink.width())
                          .arg(d->ink.height())
                          .arg(d->room.width())
                          .arg(d->room.height());
        byParent[w->parentWidget()] << *d;
    }
    // Sibling texts never run into each other (each as far as its own
    // widget lets it be drawn).
    for (auto it = byParent.cbegin(); it != byParent.cend(); ++it) {
        const QList<Drawn> &texts = it.value();
        for (int a = 0; a < texts.size(); ++a) {
            for (int b = a + 1; b < texts.size(); ++b) {
                const Drawn &x = texts[a];
                const Drawn &y = texts[b];
                const auto placed = [](const Drawn &d, const QRect &r) {
                    return r.intersected(d.widget->rect()).translated(d.widget->pos());
                };
                const QRect rx = placed(x, x.ink);
                const QRect ry = placed(y, y.ink);
                // A text keeps kSideGap from the indicator of a check box
                // or radio button beside it (sharing a line).
                const auto tooClose = [](const QRect &t, const QRect &mark) {
                    if (t.isEmpty() || mark.isEmpty())
                        return false;
                    const bool sameLine = t.top() <= mark.bottom() && mark.top() <= t.bottom();
                    return sameLine && t.adjusted(-kSideGap, 0, kSideGap, 0).intersects(mark);
                };
                if (rx.intersects(ry) || tooClose(rx, placed(y, y.mark)) || tooClose(ry, placed(x, x.mark)))
                    faults << QStringLiteral("%1 \"%2\" overlaps or touches %3 \"%4\"")
                                  .arg(nameOf(x.widget), x.text, nameOf(y.widget), y.text);
            }
        }
    }
}

// Every page of every tab strip in turn, then the window as it came.
QStringList checkWindow(QWidget *window)
{
    QStringList faults;
    window->show();
    QCoreApplication::processEvents();
    checkShown(faults, window);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        const int was = tabs->currentIndex();
        for (int t = 0; t < tabs->count(); ++t) {
            if (t == was)
                continue;
            tabs->setCurrentIndex(t);
            QCoreApplication::processEvents();
            checkShown(faults, window);
        }
        tabs->setCurrentIndex(was);
    }
    faults.removeDuplicates();
    return faults;
}

// The start of the program as far as the windows need it.
void startIn(int language)
{
    Platform::SaveSetting(QStringLiteral("Language"), language);
    AppSettings::GetLanguage();
    DevSetting::LoadDevSetting();
    DeviceList::ReadNQzDeviceList();
    App().AxisCount = 4;
}

// A window of the main window, shown as the program shows it.
QStringList inMain(bool programMode, const std::function<QWidget *(MainWindow &)> &open)
{
    App().PrgModeFlag = programMode;
    MainScope ms;
    Loc::SetCaptionFromRes(&ms.main);
    ms.main.resize(1100, 800);
    ms.main.show();
    QWidget *w = open(ms.main);
    if (!w)
        return {QStringLiteral("the window did not open")};
    QStringList faults = checkWindow(w);
    return faults;
}

template <class W>
QStringList alone(const std::function<void(W &)> &prepare = {})
{
    auto w = std::make_unique<W>();
    if (prepare)
        prepare(*w);
    return checkWindow(w.get());
}

// The monitor with its lists laid out (their titles come with the first
// tick of the window's start-up timer), watching or editing.
QStringList monitor(bool programMode, bool editing)
{
    App().PrgModeFlag = programMode;
    return alone<MonitorWindow>([editing](MonitorWindow &w) {
        w.timerInputOutput1->stop();
        w.TimerDispInit->stop();
        w.TimerDispInit_Timer();
        w.chkEditItem->setChecked(editing);
        w.chkEditItem_Click();
    });
}

// The choice dialog as one of its uses asks it.
QStringList choice(const std::function<void()> &ask)
{
    QStringList f;
    Platform::Dialogs::PushModalHandler([&f](QDialog &d) {
        f = checkWindow(&d);
        return int(QDialog::Rejected);
    });
    ask();
    return f;
}

using Opener = std::function<QStringList()>;

const QMap<QString, Opener> &windows()
{
    static const QMap<QString, Opener> m = {
        {QStringLiteral("main"),
         [] {
             MainScope ms;
             Loc::SetCaptionFromRes(&ms.main);
             ms.main.resize(1100, 800);
             return checkWindow(&ms.main);
         }},
        {QStringLiteral("position, positioner mode"),
         [] {
             return inMain(false, [](MainWindow &m) {
                 m.ShowPosiWindowOnce();
                 return m.PosiForm();
             });
         }},
        {QStringLiteral("position, program mode"),
         [] {
             return inMain(true, [](MainWindow &m) {
                 m.ShowPosiWindowOnce();
                 return m.PosiForm();
             });
         }},
        {QStringLiteral("position, two axes, smallest, after going online"),
         [] {
             // Going online lays the grid out again for the axes in use,
             // after the window has its size.
             App().AxisNotUsed[2] = App().AxisNotUsed[3] = true;
             return inMain(false, [](MainWindow &m) {
                 m.ShowPosiWindowOnce();
                 QWidget *w = m.PosiForm();
                 w->parentWidget()->resize(Twips::ToPx(PosiWindowSize::kMinWidth), w->parentWidget()->height());
                 QCoreApplication::processEvents();
                 PosiGrid::SizeInit_PositionGridAtPosMode();
                 PosiGrid::ColourAxisColumns();
                 return w;
             });
         }},
        {QStringLiteral("program"), [] { return inMain(true, [](MainWindow &m) { return m.OpenProgWindow(); }); }},
        {QStringLiteral("program, with its error pane"),
         [] {
             return inMain(true, [](MainWindow &m) {
                 auto *w = static_cast<ProgramWindow *>(m.OpenProgWindow());
                 w->ErrPaneFlag = true;
                 w->ShowErrPane();
                 return static_cast<QWidget *>(w);
             });
         }},
        {QStringLiteral("parameter"),
         [] {
             return inMain(false, [](MainWindow &m) {
                 StdPara::SetStandardParameters();
                 ParameterWindow *w = ParameterWindow::Instance();
                 m.ShowChild(w);
                 w->ShowParameters();
                 return static_cast<QWidget *>(w);
             });
         }},
        {QStringLiteral("system parameter"),
         [] { return inMain(true, [](MainWindow &m) { return m.ShowChild(new SystemParameterWindow)->widget(); }); }},
        {QStringLiteral("group"), [] { return inMain(true, [](MainWindow &m) { return m.ShowChild(new GroupWindow)->widget(); }); }},
        {QStringLiteral("macro"),
         [] { return inMain(true, [](MainWindow &m) { return m.ShowChild(new SequenceMacroWindow)->widget(); }); }},
        {QStringLiteral("actuators"), [] { return alone<OfflineActuatorWindow>(); }},
        {QStringLiteral("actuators, online"),
         [] {
             auto *w = new OnlineActuatorWindow;
             w->setAttribute(Qt::WA_DeleteOnClose);
             QStringList f = checkWindow(w);
             w->close();
             return f;
         }},
        {QStringLiteral("task"), [] { return alone<ProgramTaskWindow>([](ProgramTaskWindow &w) { w.TimerProgramTask->stop(); }); }},
        {QStringLiteral("monitor, program mode"), [] { return monitor(true, false); }},
        {QStringLiteral("monitor, positioner mode"), [] { return monitor(false, false); }},
        {QStringLiteral("monitor, editing the lists"), [] { return monitor(true, true); }},
        {QStringLiteral("options"), [] { return alone<OptionsDialog>(); }},
        {QStringLiteral("about"), [] { return alone<AboutDialog>(); }},
        {QStringLiteral("splash"), [] { return alone<SplashWindow>(); }},
        {QStringLiteral("range read"), [] { return alone<TransferRangeDialog>(); }},
        {QStringLiteral("range write"), [] { return alone<PositionRangeDialog>(); }},
        {QStringLiteral("range verify"),
         [] {
             Posi().FileFirstPosiNo = 1;
             Posi().FileLastPosiNo = 50;
             Posi().CommonNoStart = 1;
             Posi().CommonNoEnd = 50;
             return alone<VerifyRangeDialog>();
         }},
        {QStringLiteral("range verify, nothing in common"),
         [] { return alone<VerifyRangeDialog>([](VerifyRangeDialog &w) { w.SetNoCommonRange(); }); }},
        {QStringLiteral("program number"), [] { return alone<ProgramNumberDialog>(); }},
        {QStringLiteral("position verify result"), [] { return alone<VerifyResultWindow>(); }},
        {QStringLiteral("program verify result"), [] { return alone<ProgramVerifyResultWindow>(); }},
        {QStringLiteral("choice, three options"),
         [] {
             return choice([] {
                 Choice::SetSelectionDlgThreeWay(ResText(471), ResText(44), ResText(45), ResText(46), ResText(47), 0, 1);
             });
         }},
        {QStringLiteral("choice, start-up"),
         [] {
             return choice(
                 [] { Choice::SetSelectionDlg(ResText(471), ResText(74), ResText(128), ResText(129), 1, 1, 1); });
         }},
        {QStringLiteral("choice, controller mode"),
         [] {
             return choice([] {
                 Choice::SetSelectionDlgPreselected(ResText(471), ResText(476), ResText(477), ResText(478), 0, 0, 0, 0);
             });
         }},
    };
    return m;
}

} // namespace

class TstTextFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextWhole_data();
    void everyTextWhole();
};

void TstTextFit::initTestCase()
{
    // The measure is that of the program's own default font at 96 dpi; the
    // Japanese texts need the IPA Gothic faces to be measured at all.
    QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()), 96);
    QVERIFY2(QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))
                 || QFontDatabase::families().contains(QStringLiteral("IPAGothic")),
             "fonts-ipafont-gothic is not installed (scripts/deps.sh)");
}

void TstTextFit::everyTextWhole_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("language");
    for (auto it = windows().cbegin(); it != windows().cend(); ++it) {
        QTest::addRow("%s, ja", qPrintable(it.key())) << it.key() << 1;
        QTest::addRow("%s, en", qPrintable(it.key())) << it.key() << 2;
    }
}

void TstTextFit::everyTextWhole()
{
    QFETCH(QString, window);
    QFETCH(int, language);
    TestEnv::Scope env;
    startIn(language);
    const QStringList faults = windows().value(window)();
    // One line each: a long list would be cut in the failure message.
    for (const QString &f : faults)
        qWarning().noquote() << f;
    QVERIFY2(faults.isEmpty(), "a text is cut off or runs into another (listed above)");
}

QTEST_MAIN(TstTextFit)
#include "tst_textfit.moc"
