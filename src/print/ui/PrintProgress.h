#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

class QWidget;

// How far a long print has got, so that the program does not look hung while
// a thousand pages are drawn: a progress dialog that comes up only when the
// print will take longer than half a second, with a キャンセル button (its
// close box does the same), and a window that keeps repainting a few times a second.
class PrintProgress {
public:
    PrintProgress(QWidget* parent, int pageCount);

    // Called after each page; repaints now and then only, so that the
    // progress never costs much of the print's own time. False once the
    // user has cancelled.
    bool pageDrawn(int pagesDrawn);

private:
    QProgressDialog dialog_;
    QElapsedTimer sinceRepaint_;
};
