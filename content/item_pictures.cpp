// The item pictures: simple labelled drawings, saved as PNG under the names the program loads.
// The items that ask about them name their drawing after "@item"; their questions rely on the
// figures drawn here.
#include "content/course.h"

#include "shell/text_store.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <algorithm>

namespace {

QFont labelFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawTitle(QPainter& painter, const QRect& area, const QString& title)
{
    painter.setFont(labelFont(11, true));
    painter.drawText(QRect(area.left(), area.top() + 3, area.width(), 14), Qt::AlignCenter, title);
    painter.setFont(labelFont(10));
}

// A rectangle at feet (x, y, width, height) of a plan drawn scale pixels a foot from origin.
QRectF planRect(QPointF origin, double scale, double x, double y, double width, double height)
{
    return {origin.x() + x * scale, origin.y() + y * scale, width * scale, height * scale};
}

// Four lots along one street, all 120 feet deep; each lot shows its frontage.
void drawParcelMap(QPainter& painter, const QRect& area)
{
    drawTitle(painter, area, QStringLiteral("Parcel Map, Block 7"));
    const int frontages[] = {50, 60, 60, 80};
    const QRectF block(10, 24, area.width() - 20, area.height() - 62);
    const double scale = block.width() / 250;  // the four frontages make 250 feet
    double x = 0;
    for (int lot = 0; lot < 4; ++lot) {
        const QRectF rect = planRect(block.topLeft(), scale, x, 0, frontages[lot], block.height() / scale);
        painter.drawRect(rect);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("Lot %1").arg(lot + 1));
        painter.drawText(rect.adjusted(0, 0, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1'").arg(frontages[lot]));
        x += frontages[lot];
    }
    painter.fillRect(QRectF(block.left(), block.bottom() + 4, block.width(), 14), QColor(225, 225, 225));
    painter.drawText(QRectF(block.left(), block.bottom() + 4, block.width(), 14), Qt::AlignCenter,
                     QStringLiteral("MAPLE AVENUE"));
    painter.drawText(QRectF(area.left(), area.bottom() - 16, area.width(), 14), Qt::AlignCenter,
                     QStringLiteral("All lots are 120' deep."));
}

// A one-story house: a 40' x 30' main part, a 20' x 15' wing and a 20' x 20' garage.
void drawFloorPlan(QPainter& painter, const QRect& area)
{
    drawTitle(painter, area, QStringLiteral("Floor Plan (one story)"));
    const double scale = std::min((area.width() - 20) / 60.0, (area.height() - 40) / 45.0);
    const QPointF origin(10, 26);
    const QRectF main = planRect(origin, scale, 0, 0, 40, 30);
    const QRectF wing = planRect(origin, scale, 0, 30, 20, 15);
    const QRectF garage = planRect(origin, scale, 40, 10, 20, 20);
    painter.fillRect(garage, QColor(220, 220, 220));
    for (const QRectF& room : {main, wing, garage})
        painter.drawRect(room);
    painter.drawText(main, Qt::AlignCenter, QStringLiteral("Living area\n40' x 30'"));
    painter.drawText(wing, Qt::AlignCenter, QStringLiteral("Bedroom wing\n20' x 15'"));
    painter.drawText(garage, Qt::AlignCenter, QStringLiteral("Garage\n20' x 20'"));
}

struct Bar {
    QString Label;
    int Value;
};

// Bars from a common base line, each with its value above and its label below.
void drawBarChart(QPainter& painter, const QRect& area, const QString& title, const QList<Bar>& bars)
{
    drawTitle(painter, area, title);
    const QRectF plot(area.left() + 10, area.top() + 36, area.width() - 20, area.height() - 60);
    int highest = 1;
    for (const Bar& bar : bars)
        highest = std::max(highest, bar.Value);
    const double slot = plot.width() / bars.size();
    for (int i = 0; i < bars.size(); ++i) {
        const double height = plot.height() * bars[i].Value / highest;
        const QRectF column(plot.left() + i * slot + slot / 4, plot.bottom() - height, slot / 2, height);
        painter.fillRect(column, QColor(70, 110, 170));
        painter.drawText(QRectF(column.left() - slot / 4, column.top() - 14, slot, 14), Qt::AlignCenter,
                         QString::number(bars[i].Value));
        painter.drawText(QRectF(plot.left() + i * slot, plot.bottom() + 3, slot, 14), Qt::AlignCenter,
                         bars[i].Label);
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void drawSalesChart(QPainter& painter, const QRect& area)
{
    drawBarChart(painter, area, QStringLiteral("Closed Sales by Quarter"),
                 {{"Q1", 12}, {"Q2", 18}, {"Q3", 15}, {"Q4", 9}});
}

void drawListingsChart(QPainter& painter, const QRect& area)
{
    drawBarChart(painter, area, QStringLiteral("Listings Taken by Salesperson"),
                 {{"A", 14}, {"B", 22}, {"C", 9}, {"D", 17}});
}

using Drawing = void (*)(QPainter&, const QRect&);

const QMap<QString, Drawing>& drawings()
{
    static const QMap<QString, Drawing> all{{"parcel-map", drawParcelMap},
                                            {"floor-plan", drawFloorPlan},
                                            {"sales-chart", drawSalesChart},
                                            {"listings-chart", drawListingsChart}};
    return all;
}

// The drawing named by the item that its PictureSpec points at.
Drawing drawingFor(const Course& course, const PictureSpec& pictureSpec, const QString& file)
{
    const bool exists = pictureSpec.Topic >= 1 && pictureSpec.Topic <= course.TopicItems.size() && pictureSpec.Item >= 1 &&
                        pictureSpec.Item <= course.TopicItems[pictureSpec.Topic - 1].size();
    if (!exists)
        throw CourseError(QStringLiteral("The picture %1 belongs to item %2 of topic %3, which the course lacks.")
                              .arg(file).arg(pictureSpec.Item).arg(pictureSpec.Topic));
    const QString name = course.TopicItems[pictureSpec.Topic - 1][pictureSpec.Item - 1].Picture;
    if (!drawings().contains(name))
        throw CourseError(QStringLiteral("Item %1 of topic %2 shows the picture %3: it must name one of the "
                                         "drawings %4 after @item, not \"%5\".")
                              .arg(pictureSpec.Item).arg(pictureSpec.Topic).arg(file, drawings().keys().join(", "), name));
    return drawings().value(name);
}

}  // namespace

void writeItemPictures(const Course& course, const Edition& edition, const QString& folder)
{
    for (int j = 1; j < edition.PictureSpecs.size(); ++j) {
        const PictureSpec pictureSpec = parsePictureSpec(edition.PictureSpecs[j]);
        const QString file = itemPictureFile(edition, pictureSpec);
        const Drawing draw = drawingFor(course, pictureSpec, file);
        QImage image(pictureSpec.Width, pictureSpec.Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, image.rect());
        painter.end();
        if (!image.save(QDir(folder).filePath(file), "PNG"))
            throw CourseError(QStringLiteral("Cannot write %1.").arg(QDir(folder).filePath(file)));
    }
}
