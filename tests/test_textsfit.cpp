// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every shipped language in every shipped skin, through the real windows: no
// caption, question, answer or menu text is cut off by its fixed control, and
// no control of the question frame leaves it or covers another.
// Run once at scale factor 1 and once at 2 (QT_SCALE_FACTOR, set by CMake).

#include "testprogram.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

const QString kShipped = QStringLiteral(ZV_SOURCE_DIR "/shipped/");

// What of `text` does not fit `area` when drawn with `flags`, or empty.
QString cutOff(const QFontMetrics &metrics, const QRect &area, int flags, const QString &text)
{
    const QRect needed = metrics.boundingRect(area, flags, text);
    if (needed.width() <= area.width() && needed.height() <= area.height())
        return {};
    return u"needs %1x%2 in %3x%4: "_qs.arg(needed.width()).arg(needed.height())
               .arg(area.width()).arg(area.height())
           + text;
}

QString labelCutOff(const QLabel *label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return cutOff(label->fontMetrics(), label->contentsRect(), flags, label->text());
}

// The text area as the option button draws it: right of its indicator.
QString answerCutOff(const QRadioButton *answer)
{
    QStyleOptionButton option;
    option.initFrom(answer);
    const QStyle *style = answer->style();
    const QRect indicator = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, answer);
    const int gap = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, answer);
    return cutOff(answer->fontMetrics(),
                  answer->rect().adjusted(indicator.right() + 1 + gap, 0, 0, 0),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                  answer->text());
}

QString boxCutOff(const QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    return cutOff(box->fontMetrics(), text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                  box->text());
}

// The visible controls of the question frame that reach outside it or
// overlap another.
QStringList misplaced(const QWidget *frame)
{
    QStringList problems;
    QList<const QWidget *> shown;
    for (const QWidget *c : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!c->isVisible())
            continue;
        if (!frame->contentsRect().contains(c->geometry()))
            problems << c->objectName() + u" reaches outside the frame"_qs;
        for (const QWidget *other : shown) {
            if (c->geometry().intersects(other->geometry()))
                problems << c->objectName() + u" overlaps "_qs + other->objectName();
        }
        shown << c;
    }
    return problems;
}

QString buttonCutOff(const QPushButton *button)
{
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    return cutOff(button->fontMetrics(), button->rect().adjusted(margin, 0, -margin, 0),
                  Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
}

} // namespace

class TextsFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(u"Fusion"_qs); }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("skin");
        const QStringList languages =
            QDir(kShipped + u"languages"_qs).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(languages.size() >= 7);
        for (const QString &language : languages) {
            for (const char *skin : {"dark", "light"})
                QTest::addRow("%s %s", qPrintable(language), skin) << language << skin;
        }
    }

    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, skin);
        Program p;
        p.write(u"zv.cfg"_qs,
                readTestFile(kShipped + u"languages/"_qs + language + u"/zv.cfg"_qs));
        p.write(u"skin.cfg"_qs, readTestFile(kShipped + u"skins/"_qs + skin + u"/skin.cfg"_qs));
        QStringList cut;
        const auto note = [&cut](const QString &control, const QString &problem) {
            if (!problem.isEmpty())
                cut << control + u": "_qs + problem;
        };
        p.modal = [&note](QDialog &window) {
            for (const QLabel *label : window.findChildren<QLabel *>())
                note(label->objectName(), labelCutOff(label));
            for (const QPushButton *button : window.findChildren<QPushButton *>())
                note(button->objectName(), buttonCutOff(button));
            if (auto *box = window.findChild<QPlainTextEdit *>()) {
                const int margin = int(box->document()->documentMargin());
                note(box->objectName(),
                     cutOff(box->fontMetrics(),
                            box->contentsRect().adjusted(margin, margin, -margin, -margin),
                            Qt::TextWordWrap, box->toPlainText()));
            }
        };
        zv::frmZVS &w = p.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        auto *start = p.find<QLabel>(u"lblStartText"_qs);
        note(u"start"_qs, labelCutOff(start));
        for (std::int16_t q = 0; q < w.tables().QuestionCount; ++q) {
            w.Question(q);
            note(u"lblQuestion"_qs, labelCutOff(p.find<QLabel>(u"lblQuestion"_qs)));
            note(u"optYEs"_qs, answerCutOff(p.find<QRadioButton>(u"optYEs"_qs)));
            note(u"optNo"_qs, answerCutOff(p.find<QRadioButton>(u"optNo"_qs)));
        }
        w.SetLayout(2);
        note(u"finished"_qs, labelCutOff(start));

        // Through the wizard, so the answer controls a file may ask for show
        // as they do for the user: every control inside the question frame,
        // none over another, in every layout, and no caption cut. (Files
        // without them keep the designed places, where the question's label
        // reaches a pixel into Yes.)
        p.trigger("fmnuNew");
        auto *frame = p.find(u"Frame1"_qs);
        auto *skip = p.find<QRadioButton>(u"optSkip"_qs);
        auto *important = p.find<QCheckBox>(u"chkImportant"_qs);
        auto *back = p.find<QPushButton>(u"cmdBack"_qs);
        for (int step = 0; step <= w.tables().questions() + 1; ++step) {
            const QString where = u"layout %1, step %2: "_qs.arg(w.layoutState()).arg(step);
            for (const QString &problem : misplaced(frame)) {
                if (w.tables().hasAnswerControls())
                    cut << where + problem;
            }
            if (skip->isVisible())
                note(where + u"optSkip"_qs, answerCutOff(skip));
            if (important->isVisible())
                note(where + u"chkImportant"_qs, boxCutOff(important));
            if (back->isVisible())
                note(where + u"cmdBack"_qs, buttonCutOff(back));
            p.find<QPushButton>(u"cmdNext"_qs)->click();
        }

        // A menu bar entry that does not fit moves into an overflow button.
        const QMenuBar *bar = w.menuBar();
        for (QAction *entry : bar->actions()) {
            const QRect place = bar->actionGeometry(entry);
            if (place.isEmpty() || !bar->rect().contains(place))
                cut << u"menu bar: "_qs + entry->text();
        }
        p.trigger("fmnuTruth1");
        p.trigger("fmnuAbout");
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

QTEST_MAIN(TextsFitTest)
#include "test_textsfit.moc"
