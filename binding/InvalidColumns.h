#pragma once

#include <QList>
#include <QtGlobal>

class QxSNMPVarList;

// Keeps some variables of a list out of one write: marks them invalid for as
// long as it lives and gives every one of them its previous access back when it
// goes, whether the write succeeded, failed or raised.
//
//   {
//       InvalidColumns notSent(binding.varList(), {2, 3, 4});
//       binding.apply(false, true);   // sent without columns 2 to 4
//   }                                 // access restored here
//   binding.refresh();                // and read with them again
//
// A synchronous apply that re-reads by itself would read without the marked
// columns; apply without the re-read and read once the marks are gone.
class InvalidColumns final
{
public:
    explicit InvalidColumns(QxSNMPVarList &list, const QList<int> &positions = {});
    ~InvalidColumns();
    InvalidColumns(const InvalidColumns &) = delete;
    InvalidColumns &operator=(const InvalidColumns &) = delete;

    // Keeps one more variable out (positions outside the list are ignored).
    void add(int position);
    // Gives the access back now (once).
    void restore();

private:
    struct Saved
    {
        int position;
        quint32 access;
    };
    QxSNMPVarList &m_list;
    QList<Saved> m_saved;
};
