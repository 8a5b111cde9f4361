#pragma once
// The pages of the program's help, compiled in, and the contents that list them.
#include <QList>
#include <QString>
#include <QUrl>

namespace vardo {

struct HelpTopic {
    QString title;
    QString page;  // file name inside the help folder, "index.html"
};

// The contents pane's entries, in reading order; the first is the default topic.
const QList<HelpTopic>& helpContents();

// Where a help page lives: "qrc:/help/<page>".
QUrl helpPageUrl(const QString& page);

// The page the help opens on.
QUrl defaultHelpTopic();

// Makes the compiled-in pages reachable (the resources of a static library must be registered).
void registerHelpPages();

}  // namespace vardo
