#pragma once
#include <QWidget>

class QLabel;
class QToolButton;

namespace worvanta::grid {

// The navigator bar under the grid: first / previous / next / last record
// and the record counter ("3 of 120").
class GridNavigator : public QWidget {
    Q_OBJECT
public:
    explicit GridNavigator(QWidget* parent = nullptr);

    // `current` is zero-based, -1 for none.
    void showPosition(int current, int count);
    QString counterText() const;

    static QString counterText(int current, int count);

signals:
    void firstRequested();
    void previousRequested();
    void nextRequested();
    void lastRequested();

private:
    QToolButton* first_;
    QToolButton* previous_;
    QToolButton* next_;
    QToolButton* last_;
    QLabel* counter_;
};

}  // namespace worvanta::grid
