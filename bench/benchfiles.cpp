// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchfiles.h"

#include <QFile>
#include <QTemporaryDir>

QByteArray fullLanguageFile()
{
    QByteArray f = "[GENERAL]\nLANGUAGE=Benchmark\n[SEARCHENGINES]\nCOUNT=41\n[ENGINES]\n";
    for (int e = 0; e < 41; ++e)
        f += "ENGINE" + QByteArray::number(e) + "=Search engine number " + QByteArray::number(e)
             + "\n";
    f += "[LINKS]\n";
    for (int e = 0; e < 41; ++e)
        f += "LINK" + QByteArray::number(e) + "=www.engine" + QByteArray::number(e)
             + ".example.org\n";
    f += "[QUESTIONS]\nCOUNT=16\n";
    for (int q = 0; q < 16; ++q) {
        const QByteArray n = QByteArray::number(q);
        f += "Q" + n + "=Is question number " + n + " one that matters to you?\n";
        f += "Y" + n + "=Yes, it matters\nN" + n + "=No, not really\n";
    }
    f += "[MATRIX]\n";
    for (int e = 0; e < 37; ++e) {  // 37 × 16 = 592 of the 601 positions
        QByteArray row;
        for (int q = 0; q < 16; ++q)
            row += (q ? "," : "") + QByteArray::number((e + q) % 5 - 2);
        f += "S" + QByteArray::number(e) + "=" + row + "\n";
    }
    f += "[URL]\nURL1=https://en.wikipedia.org/wiki/Web_search_engine\n"
         "URL2=https://en.wikipedia.org/wiki/Online_advertising\n"
         "[EXPLANATION]\nTEXT=" + QByteArray(900, 'x') + "\n[MENU]\n"
         "FILE=&File\nNEW=&New\nEXIT=E&xit\nTRUTH=&Truth\nTRUTH1=How engines earn money\n"
         "MONEY=&Money\nMONEY1=&Read more\nHELP=&Help\nCONTENTS=&Contents\nONLINE=Online\n"
         "ABOUT=&About\n[STARTEND]\nWELCOME=Welcome\nFINISHED=Done\n"
         "[TOOLTIP]\nSELIST=Double-click\nTIPSTART=Start\nTIPNEXT=Next\nTIPLAUNCH=Launch\n"
         "[ABOUT]\nLANGUAGE=Benchmark file\n";
    return f;
}

QByteArray largeLanguageFile()
{
    QByteArray padding = "[NOTES]\n";
    for (int i = 0; padding.size() < 1024 * 1024; ++i)
        padding +=
            "NOTE" + QByteArray::number(i) + "=a note the program never reads, kept for people\n";
    return padding + fullLanguageFile();
}

QByteArray hostileLanguageFile()
{
    QByteArray row;
    while (row.size() < 990)
        row += "2,-2,1,";
    QByteArray f = "[SEARCHENGINES]\nCOUNT=32767\n[QUESTIONS]\nCOUNT=16\n[MATRIX]\n";
    for (int e = 0; f.size() < 5 * 1000 * 1000; ++e)
        f += "S" + QByteArray::number(e) + "=" + row + "\n";
    return f;
}

QByteArray fullSkinFile()
{
    QByteArray f = "[GENERAL]\nNAME=Benchmark\n[COLOR]\n";
    for (const char *part : {"FORM", "QUESTION", "LIST", "ANSWER", "TEXT", "EXPL", "FRAME1"})
        f += QByteArray(part) + "_FORECOLOR=&HE0E0E0\n" + part + "_BACKCOLOR=1315860\n";
    f += "[FONT]\n";
    for (const char *part : {"QUESTION", "TEXT", "EXPL", "ENGINES"}) {
        f += QByteArray(part) + "_FONTNM=Arial\n" + part + "_FONTSZ=11\n";
        f += QByteArray(part) + "_FONTBOLD=TRUE\n" + part + "_FONTITALIC=false\n";
    }
    return f + "[ABOUT]\nCOPYRIGHT=Benchmark skin\n";
}

QString benchDir()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString writeBenchFile(const QString &name, const QByteArray &content)
{
    const QString path = benchDir() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}
