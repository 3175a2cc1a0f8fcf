#pragma once
#include <QWidget>
#include <vector>

class QLineEdit;
class QTableView;

namespace worvanta::grid {

// One filter entry per grid column, kept aligned with the columns as they
// are resized or scrolled. Each keystroke is reported at once.
class FilterRow : public QWidget {
    Q_OBJECT
public:
    explicit FilterRow(QTableView& view, QWidget* parent = nullptr);

    void setColumnCount(int count, const QStringList& names);
    QLineEdit* editor(int column) const;
    int editorCount() const { return static_cast<int>(editors_.size()); }
    void setEditorStyleSheet(const QString& rule);
    void clearAll();

signals:
    void filterEdited(int column, const QString& text);

public slots:
    void realign();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableView& view_;
    std::vector<QLineEdit*> editors_;
};

}  // namespace worvanta::grid
