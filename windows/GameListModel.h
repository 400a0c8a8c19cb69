#pragma once
// How "Play with Others" shows a game of the local network's list (GameBrowser): one
// line with its name, players, state and address ("Cleo's game   3 of 6, playing, at
// 192.168.1.20"), the port when it is not the usual one, and, for a game of another
// version, that version, greyed.
#include <QIdentityProxyModel>

class GameListModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
