// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/screenlayout.h"

#include "config/accessiblenames.h"
#include "config/languagekeys.h"
#include "config/snapshotcache.h"
#include "shell/windowgeometry.h"
#include "skin/pictures.h"
#include "skin/skinapply.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace zv {

namespace {

QString picturePath(const LayoutSources &sources, const char *fileName)
{
    return sources.programDir + u'/' + QLatin1String(fileName);
}

void applySkin(const MainWindowControls &c, const SkinSettings &skin)
{
    applySkinColors(c.form, skin.FormForeColor, skin.FormBackColor);
    applySkinColors(c.lstEngines, skin.ListForeColor, skin.ListBackColor, Surface::Field);
    applySkinFont(c.lstEngines, enginesFont(skin));
    applySkinColors(c.lblStartText, skin.TextForeColor, skin.TextBackColor);
    applySkinFont(c.lblStartText, textFont(skin));
    applySkinColors(c.lblQuestion, skin.QuestionForeColor, skin.QuestionBackColor);
    applySkinFont(c.lblQuestion, questionFont(skin));
    // The controls beyond Yes and No look like the answers.
    for (QWidget *answer : {static_cast<QWidget *>(c.optNo), static_cast<QWidget *>(c.optYEs),
                            static_cast<QWidget *>(c.optSkip),
                            static_cast<QWidget *>(c.chkImportant),
                            static_cast<QWidget *>(c.cmdBack)}) {
        if (!answer)
            continue;
        applySkinColors(answer, skin.AnswerForeColor, skin.AnswerBackColor,
                        answer == c.cmdBack ? Surface::Button : Surface::Window);
        applySkinFont(answer, questionFont(skin));
    }
    applySkinColors(c.Frame1, skin.Frame1ForeColor, skin.Frame1BackColor);
}

struct LayoutSteps
{
    LanguageKey tooltip;
    const char *buttonPicture;
    bool showStartText;
};

const LayoutSteps *stepsOf(std::int16_t iState)
{
    static const LayoutSteps steps[] = {
        {languageKey("TOOLTIP", "TIPSTART"), "zvstart.ico", true},
        {languageKey("TOOLTIP", "TIPNEXT"), "zvnext.ico", false},
        {languageKey("TOOLTIP", "TIPLAUNCH"), "zvlaunch.ico", true},
    };
    return iState >= 0 && iState <= 2 ? &steps[iState] : nullptr;
}

} // namespace

AnswerPlaces answerPlaces(bool skip, bool important, bool back)
{
    // The column runs from under the question label to just above the
    // frame's lower edge, and ends left of the Next and Back column.
    const int left = px(780), width = px(4170), top = px(1410), bottom = px(3540);
    const int boxHeight = px(420);
    AnswerPlaces places;
    const int answers = skip ? 3 : 2;
    const int answerHeight = (bottom - top - (important ? boxHeight : 0)) / answers;
    QRect row(left, top, width, answerHeight);
    for (QRect *answer : {&places.yes, &places.no, &places.skip}) {
        if (answer == &places.skip && !skip)
            break;
        *answer = row;
        row.translate(0, answerHeight);
    }
    if (important)
        places.important = QRect(left, row.top(), width, boxHeight);
    if (back)
        places.back = twipsRect(5040, 2850, 1170, 480);
    return places;
}

void setPlainToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text);
}

void applyLayout(const MainWindowControls &c, std::int16_t iState, const LayoutSources &sources)
{
    // The tooltips are read anew at every change, so an edited file shows.
    const std::shared_ptr<const ProfileSnapshot> snapshot =
        currentSnapshot(sources.languageFile);
    const ProfileSnapshot &language = *snapshot;
    const QString listTip = readLanguageKey(language, languageKey("TOOLTIP", "SELIST"));
    setPlainToolTip(c.lstEngines, listTip);
    c.lstEngines->setAccessibleDescription(listTip);
    c.lstEngines->setAccessibleName(readAccessibleName(language,
                                                       AccessibleName::EngineList));
    c.Frame1->setAccessibleName(readAccessibleName(language,
                                                   AccessibleName::QuestionArea));
    c.imgHelp->setAccessibleName(readAccessibleName(language,
                                                    AccessibleName::HelpPicture));
    applySkin(c, sources.skin);

    if (const LayoutSteps *steps = stepsOf(iState)) {
        const QString nextTip = readLanguageKey(language, steps->tooltip);
        setPlainToolTip(c.cmdNext, nextTip);
        c.cmdNext->setAccessibleName(nextTip);
        if (iState == 0)
            c.lblStartText->setText(sources.startText);
        else if (iState == 2)
            c.lblStartText->setText(sources.finishedText);
        c.lblStartText->setVisible(steps->showStartText);
        const bool asking = iState == 1;
        for (QWidget *w : {static_cast<QWidget *>(c.lblQuestion),
                           static_cast<QWidget *>(c.imgQuestion),
                           static_cast<QWidget *>(c.optYEs), static_cast<QWidget *>(c.optNo)}) {
            w->setVisible(asking);
        }
        if (iState == 0)
            showPicture(c.imgHelp, picturePath(sources, "zvhelp.bmp"));
        showButtonPicture(c.cmdNext, picturePath(sources, steps->buttonPicture));
    }

    showWindowIcon(c.window, picturePath(sources, "zv.ico"));
}

} // namespace zv
