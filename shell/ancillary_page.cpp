#include "ancillary_page.h"

#include "noshape.h"
#include "picture_box.h"
#include "qt_text.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <QListWidget>
#include <set>

namespace vd {

namespace {
constexpr int kPositionRole = Qt::UserRole;

QListWidgetItem* NewAncillaryItem(int position) {
    auto* item = new QListWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(kPositionRole, position);
    item->setSizeHint(QSize(0, 19));
    return item;
}
} // namespace

AncillaryPage::AncillaryPage(UiServices services, QWidget* parent)
    : Page("aAncillary", true, services, parent) {
    lb_ancillaries = NewTitle("lb_ancillaries", 90, 19);
    bn_closeancil = NewButton("bn_closeancil", 478, 10);
    list_ancil = new QListWidget(this);
    list_ancil->setObjectName("list_ancil");
    list_ancil->setGeometry(90, 60, 293, 365);
    QFont f("Liberation Serif");
    f.setPixelSize(16);
    list_ancil->setFont(f);
    // Silver behind the items; the check boxes keep the white of the palette
    // so that they stand out.
    list_ancil->setStyleSheet("QListWidget { background-color: silver; }");
    list_ancil->setSpacing(0);
    FillAncillaryList();
    im_anc = new PictureBox(PictureBox::Mode::Centred, this);
    im_anc->setObjectName("im_anc");
    im_anc->setGeometry(392, 60, 225, 365);
}

void AncillaryPage::FillAncillaryList() {
    for (int p = 0; p < kAncillaryItems; ++p) {
        QListWidgetItem* item = NewAncillaryItem(p);
        item->setText(FromCp1252(LanguageEntry(entry::kFirstAncillary + p)));
        list_ancil->addItem(item);
    }
    connect(list_ancil, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { list_ancilClick(item); });
}

void AncillaryPage::Rebuild() {
    // A tick stays with its item when the item is offered again.
    std::set<int> ticked;
    for (int i = 0; i < list_ancil->count(); ++i)
        if (list_ancil->item(i)->checkState() == Qt::Checked)
            ticked.insert(list_ancil->item(i)->data(kPositionRole).toInt());
    list_ancil->clear();
    ancillaryRatings_ = RatingsFor(FanRecord);
    ancillariesBuilt_ = true;
    for (const AncillaryItem& a : BuildAncillaries(FanRecord)) {
        QListWidgetItem* item = NewAncillaryItem(a.position);
        item->setText(FromCp1252(a.text));
        if (ticked.count(a.position))
            item->setCheckState(Qt::Checked);
        list_ancil->addItem(item);
    }
    im_anc->Clear();
}

void AncillaryPage::list_ancilClick(QListWidgetItem* item) {
    if (!item)
        return;
    Guarded([&] { im_anc->LoadDataFile(AncillaryPicture(item->data(kPositionRole).toInt())); });
}

void AncillaryPage::Retranslate() {
    for (int i = 0; i < list_ancil->count(); ++i) {
        QListWidgetItem* item = list_ancil->item(i);
        const int position = item->data(kPositionRole).toInt();
        // Each item keeps its own meaning (and the fan's rating) in the new
        // language, so a quotation printed after a switch names the right parts.
        item->setText(FromCp1252(ancillariesBuilt_
                                     ? AncillaryText(position, ancillaryRatings_)
                                     : LanguageEntry(entry::kFirstAncillary + position)));
    }
}

std::vector<std::string> AncillaryPage::TickedAncillaries() const {
    std::vector<std::string> texts;
    for (int i = 0; i < list_ancil->count(); ++i)
        if (list_ancil->item(i)->checkState() == Qt::Checked)
            texts.push_back(ToCp1252(list_ancil->item(i)->text()));
    return texts;
}

} // namespace vd
