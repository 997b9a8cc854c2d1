// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/aboutwindow.h"

#include "config/languagekeys.h"
#include "config/profilereader.h"
#include "config/programinfo.h"
#include "shell/controls.h"
#include "shell/windowgeometry.h"
#include "skin/pictures.h"
#include "skin/skinapply.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zv {

QString NewLine()
{
    return QStringLiteral("\n\r");
}

namespace {

QString versionLine(const ProgramTexts &texts)
{
    return texts[ProgramText::AboutVersion].arg(ProgramVersion);
}

QString creditsText(const ProgramTexts &texts)
{
    return texts[ProgramText::AboutCredits] + NewLine() + NewLine()
           + texts[ProgramText::AboutCopyright];
}

} // namespace

frmAbout::frmAbout(const SkinSettings &skin, const ProgramTexts &texts, const QString &programDir,
                   const QString &languageFile, const QString &skinFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(twipsSize(7140, 5055));
    // Opens at its designed place on the screen, not centred over the owner.
    const QPoint screenOrigin = screen() ? screen()->geometry().topLeft() : QPoint();
    setGeometry(QRect(screenOrigin + QPoint(px(2340), px(1935)), twipsSize(7140, 5055)));

    auto *ok = new QPushButton(texts[ProgramText::AboutButton], this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(6105, 120, 900, 345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // Esc rejects, closing too

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setAccessibleName(ProgramTitle);  // the program's emblem
    QPixmap icon = loadPicture(programDir + QStringLiteral("/zvabout.ico"), devicePixelRatioF());
    if (icon.isNull() && parent)  // the built-in picture: the program's own icon
        icon = parent->windowIcon().pixmap(32, 32);
    picIcon->setPixmap(icon);

    setWindowTitle(texts[ProgramText::AboutCaption]);
    applySkinColors(this, skin.FormForeColor, skin.FormBackColor);

    placePlainLabel(this, "lblVersion", twipsRect(1050, 600, 4665, 300))
        ->setText(versionLine(texts));
    placePlainLabel(this, "lblTitle", twipsRect(1050, 240, 4665, 300))->setText(ProgramTitle);
    placePlainLabel(this, "lblDescription", twipsRect(240, 960, 6765, 990))
        ->setText(creditsText(texts));
    placePlainLabel(this, "lblDisclaimer", twipsRect(240, 3930, 6765, 990))
        ->setText(texts[ProgramText::AboutNotice]);
    const QString unknown = QStringLiteral("?");
    placePlainLabel(this, "lblSkin", twipsRect(240, 2940, 6765, 990))
        ->setText(ReadIniValue(QStringLiteral("ABOUT"), QStringLiteral("COPYRIGHT"), unknown,
                               skinFile));
    placePlainLabel(this, "lblLanguage", twipsRect(240, 1950, 6765, 990))
        ->setText(readLanguageKey(languageFile, languageKey("ABOUT", "LANGUAGE")));
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != picIcon)
            applySkinColors(label, skin.TextForeColor, skin.TextBackColor);
    }
    ok->setFocus();
}

} // namespace zv
