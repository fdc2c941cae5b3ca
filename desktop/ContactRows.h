#pragma once

// The rows of the contact list: every address-book entry's last name, shown, and its id, kept
// hidden. A load reads the names once into one block of text; the view asks for the rows it
// shows, so a book of a hundred thousand entries makes no object per row.

#include <QAbstractTableModel>
#include <QByteArray>
#include <QUtf8StringView>
#include <vector>

// The texts of one load, gathered as they are read.
class TContactBlock
{
public:
    void add(QUtf8StringView lastName, QUtf8StringView id);
    int count() const { return static_cast<int>(m_ends.size() / 2); }

private:
    friend class TContactRows;
    QByteArray m_texts;
    // Where each row's last name and then its id end in m_texts.
    std::vector<qsizetype> m_ends;
};

class TContactRows : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TContactRows(QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setRows(TContactBlock rows);
    void clear();
    QString lastName(int row) const;
    // The entry's id as the list holds it, in decimal.
    QString id(int row) const;

private:
    QUtf8StringView place(int row, int which) const;

    TContactBlock m_rows;
};
