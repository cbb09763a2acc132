#pragma once
// One help topic: the title the help window shows and its paragraphs.

#include <QString>
#include <QStringList>

struct HelpTopic {
    QString title;
    QStringList paragraphs;
};
