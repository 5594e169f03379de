// The lines of the report cards' lists, in a fixed-pitch font.
#pragma once

#include <QStringList>

class QListWidget;

// Replaces the lines of a list in a fixed-pitch font. Lines of one length are all as wide there,
// so the list then measures one of them rather than every line.
void fillFixedPitchList(QListWidget* list, const QStringList& lines);
