#include "shell/fixed_pitch_list.h"

#include <QListWidget>
#include <algorithm>

void fillFixedPitchList(QListWidget* list, const QStringList& lines)
{
    list->clear();
    const auto lengthOfFirst = [&](const QString& line) { return line.size() == lines.front().size(); };
    list->setUniformItemSizes(!lines.isEmpty() && std::all_of(lines.begin(), lines.end(), lengthOfFirst));
    list->addItems(lines);
}
