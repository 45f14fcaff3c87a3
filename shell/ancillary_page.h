#pragma once
// The ancillaries page: the check list of accessories for the chosen fan, with
// a picture of the item clicked.
#include "ancillaries.h"
#include "page.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace vd {

class PictureBox;

class AncillaryPage : public Page {
    Q_OBJECT
  public:
    explicit AncillaryPage(UiServices services, QWidget* parent = nullptr);

    // The list for the chosen fan (FanRecord); ticks stay with their items.
    void Rebuild();
    // The items' texts in the current language, each keeping its meaning.
    void Retranslate();
    // The texts of the ticked ancillaries, in list order, for the quotation.
    std::vector<std::string> TickedAncillaries() const;

    QLabel* lb_ancillaries = nullptr;
    TNoShape* bn_closeancil = nullptr;
    QListWidget* list_ancil = nullptr;
    PictureBox* im_anc = nullptr;

  private:
    void FillAncillaryList();
    void list_ancilClick(QListWidgetItem* item);

    Ratings ancillaryRatings_;
    bool ancillariesBuilt_ = false;
};

} // namespace vd
