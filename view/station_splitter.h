#pragma once
// CStationSplitter: the station view's divider between the station list and the rest. Its handle
// is the view's 2-pixel divider and draws the view's vertical line on its right column. Place
// gives the list its width and the rest to the other pane; when the user lets go of the handle,
// the list's new width goes to `onListWidthChosen`.

// Qt
#include <QSplitter>

// std
#include <functional>

class CStationSplitter : public QSplitter {
public:
    static constexpr int kHandleWidth = 2;

    // `list` and `rest` become its two panes, the list first.
    CStationSplitter(QWidget& list, QWidget& rest, QWidget* parent);

    // Places the splitter over `area`, the list `listWidth` wide (as far as the area allows).
    void Place(const QRect& area, int listWidth);
    int ListWidth() const;

    std::function<void(int)> onListWidthChosen;

protected:
    QSplitterHandle* createHandle() override;
};
