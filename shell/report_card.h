// A report card without its window: one row per record of its kind in the configuration file,
// with the records it cannot show kept aside whole, the selection, the sorts, erasing, what a
// retake includes and which retakes the selected row allows. Both report cards are this model
// over their own row type; the rows bring the rules that differ.
#pragma once

#include "shell/config_file.h"
#include "shell/shell_sort.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

struct Edition;

using RetakeChoices = std::array<bool, 3>;  // as the include options are ordered

// What the retake rules look up about a row's topic or exam. A record may name one the course
// data lacks: it then has no drills and no items.
struct RetakeLimits {
    const std::vector<int>& DrillLevels;                    // by record kind
    const std::vector<std::array<int, 3>>& ItemCounts;       // by group, then column
    int drillLevel(int kind) const { return kind >= 0 && kind < int(DrillLevels.size()) ? DrillLevels[kind] : 0; }
    int itemCount(int group, int column) const
    {
        return group >= 0 && group < int(ItemCounts.size()) ? ItemCounts[group][column] : 0;
    }
};

// What a record of the file is to a card.
enum class RecordFit { OtherCard, Unshown, Shown };

// The card as its window drives it.
class CardModel {
public:
    explicit CardModel(const Edition& cardEdition) : edition(cardEdition) {}
    virtual ~CardModel() = default;

    // Rows of the records 2 on, in file order, the first selected; damaged records are kept aside.
    virtual void load(const ConfigImage& image) = 0;
    virtual int rowCount() const = 0;
    virtual QStringList lines() const = 0;
    // Sorts by the order's number, as the sort options are ordered; the same row stays selected.
    virtual void sort(int order) = 0;
    // Erases the selected row (in memory) and selects the row above it, or the new first row.
    virtual void eraseSelected() = 0;
    // The records of the rows now on the card, whole, in list order.
    virtual QList<QByteArray> keptRecords() const = 0;
    // The retakes the selected row allows; none without a selection.
    virtual RetakeChoices allowedRetakes(const RetakeLimits& limits) const = 0;

    int selected() const { return selected_; }  // row index; -1 when the list is empty
    void select(int line) { selected_ = line >= 0 && line < rowCount() ? line : -1; }
    bool erased() const { return erased_; }
    // The erasures were saved, or the user chose not to: none is pending.
    void clearErased() { erased_ = false; }
    // The records of the card's kind that it could not show, in file order.
    const QList<QByteArray>& unshownRecords() const { return unshown_; }
    int included() const { return included_; }  // what a retake includes, by include option
    void include(int choice) { included_ = choice; }

protected:
    const Edition& edition;
    QList<QByteArray> unshown_;
    int selected_ = -1;
    bool erased_ = false;
    int included_ = 0;
};

// Row must have a RowId and bring:
//   static RecordFit read(const QByteArray& record, const Edition&, Row& row);
//   QByteArray record(const Edition&) const;          the record written back for a kept row
//   QString line(const Edition&) const;               its list line
//   static bool outOfOrder(int order, const Row& a, const Row& b);  a must come after b
//   RetakeChoices retakes(const RetakeLimits&, const Edition&) const;
template <class Row>
class ReportCard : public CardModel {
public:
    using CardModel::CardModel;

    const std::vector<Row>& rows() const { return rows_; }
    const Row* selectedRow() const { return selected_ >= 0 ? &rows_[size_t(selected_)] : nullptr; }

    void load(const ConfigImage& image) override
    {
        rows_.clear();
        unshown_.clear();
        for (int n = 2; n <= image.count(); ++n) {
            const QByteArray bytes = image.record(n);
            Row row;
            const RecordFit fit = Row::read(bytes, edition, row);
            if (fit == RecordFit::Unshown)
                unshown_.append(bytes);
            if (fit != RecordFit::Shown)
                continue;
            row.RowId = int(rows_.size()) + 1;
            rows_.push_back(std::move(row));
        }
        selected_ = rows_.empty() ? -1 : 0;
        erased_ = false;
    }
    int rowCount() const override { return int(rows_.size()); }
    QStringList lines() const override
    {
        QStringList lines;
        for (const Row& row : rows_)
            lines.append(row.line(edition));
        return lines;
    }
    // A Shell sort: rows that tie stay in the order it leaves them in.
    void sort(int order) override
    {
        const int selectedId = selected_ >= 0 ? rows_[size_t(selected_)].RowId : 0;
        shellSort(
            0, rowCount() - 1, [&](int a, int b) { return Row::outOfOrder(order, rows_[a], rows_[b]); },
            [&](int a, int b) { std::swap(rows_[a], rows_[b]); });
        const auto kept = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.RowId == selectedId; });
        selected_ = kept == rows_.end() ? -1 : int(kept - rows_.begin());
    }
    void eraseSelected() override
    {
        if (selected_ < 0)
            return;
        rows_.erase(rows_.begin() + selected_);
        erased_ = true;
        selected_ = rows_.empty() ? -1 : std::max(selected_ - 1, 0);
    }
    QList<QByteArray> keptRecords() const override
    {
        QList<QByteArray> kept;
        for (const Row& row : rows_)
            kept.append(row.record(edition));
        return kept;
    }
    RetakeChoices allowedRetakes(const RetakeLimits& limits) const override
    {
        return selectedRow() ? selectedRow()->retakes(limits, edition) : RetakeChoices{};
    }

private:
    std::vector<Row> rows_;
};
