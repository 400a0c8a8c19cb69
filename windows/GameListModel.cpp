#include "windows/GameListModel.h"

#include "discovery/GameBrowser.h"
#include "net/GameConstants.h"

#include <QGuiApplication>
#include <QPalette>

QVariant GameListModel::data(const QModelIndex& index, int role) const
{
    const QModelIndex source = mapToSource(index);
    const auto field = [&source](int r) { return source.data(r); };
    const bool otherVersion = field(GameBrowser::VersionDiffersRole).toBool();
    const auto line = [&] {
        QStringList parts {field(GameBrowser::PlayersRole).toString()};
        if (const QString state = field(GameBrowser::StateRole).toString(); !state.isEmpty())
            parts.append(state);
        const QString address = field(GameBrowser::AddressRole).toString();
        const int port = field(GameBrowser::PortRole).toInt();
        if (!address.isEmpty())
            parts.append(port == game::DefaultPort ? tr("at %1").arg(address)
                                                   : tr("at %1 port %2").arg(address).arg(port));
        if (otherVersion) {
            const QString version = field(GameBrowser::VersionRole).toString();
            parts.append(version.isEmpty() ? tr("unknown version") : tr("version %1").arg(version));
        }
        return QStringLiteral("%1   %2").arg(field(GameBrowser::NameRole).toString(), parts.join(QStringLiteral(", ")));
    };
    switch (role) {
    case Qt::DisplayRole:
        return line();
    case Qt::ForegroundRole:
        if (otherVersion)
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::ToolTipRole: {
        // The whole line, which the list may have cut short, and the host's name.
        QString tip = QStringLiteral("%1\n%2").arg(line(), field(GameBrowser::HostNameRole).toString());
        if (const QString leader = field(GameBrowser::LeaderRole).toString(); !leader.isEmpty())
            tip += tr("\nLed by %1").arg(leader);
        if (otherVersion)
            tip += tr("\nAnother version of the game: joining may not work.");
        return tip;
    }
    default:
        return QIdentityProxyModel::data(index, role);
    }
}
