#pragma once
// One call to the Agones SDK server's HTTP interface: its method, path and JSON body,
// exactly as the SDK server's REST gateway takes them.
//
//   Ready       POST /ready                  {}
//   Health      POST /health                 {}
//   Shutdown    POST /shutdown               {}
//   Label       PUT  /metadata/label         {"key":"state","value":"waiting"}
//   Capacity    PUT  /alpha/player/capacity  {"count":9}
//   Connect     POST /alpha/player/connect   {"playerID":"3-Bob"}
//   Disconnect  POST /alpha/player/disconnect {"playerID":"3-Bob"}
//
// The SDK server files a label under "agones.dev/sdk-" and its key, so "state" shows on
// the GameServer as "agones.dev/sdk-state". The three player calls belong to Agones'
// player tracking, which a cluster may have switched off.
#include <QByteArray>
#include <QString>

struct SdkRequest {
    enum class Kind { Ready, Health, Shutdown, Label, Capacity, Connect, Disconnect };

    Kind kind = Kind::Health;
    QString key;    // the label's key, or the player ID
    QString value;  // the label's value
    int count = 0;  // the player capacity

    static SdkRequest ready() { return {Kind::Ready, {}, {}, 0}; }
    static SdkRequest health() { return {Kind::Health, {}, {}, 0}; }
    static SdkRequest shutdown() { return {Kind::Shutdown, {}, {}, 0}; }
    static SdkRequest label(const QString& key, const QString& value) { return {Kind::Label, key, value, 0}; }
    static SdkRequest capacity(int count) { return {Kind::Capacity, {}, {}, count}; }
    static SdkRequest connect(const QString& playerId) { return {Kind::Connect, playerId, {}, 0}; }
    static SdkRequest disconnect(const QString& playerId) { return {Kind::Disconnect, playerId, {}, 0}; }

    QByteArray method() const;
    QByteArray path() const;
    QByteArray body() const;  // compact JSON
    // "POST /ready" and the like, for log lines.
    QString describe() const;
    // One of the calls of player tracking.
    bool isPlayerCall() const { return kind == Kind::Capacity || kind == Kind::Connect || kind == Kind::Disconnect; }

    bool operator==(const SdkRequest&) const = default;
};

// The player ID of the player in `slot` named `name`: the slot, "-", and the name as
// UTF-8 with every byte other than a letter, a digit, "-", ".", "_" or "~" written as
// %XX (so "Renée" in slot 4 is "4-Ren%C3%A9e"). The slot keeps two players of the same
// name apart; the escapes keep control characters, spaces, quotes and any other byte out
// of the IDs, the log and kubectl's output. The name part stops before the character
// that would take it past kMaxPlayerIdNameChars, so an ID is at most 62 characters long.
inline constexpr int kMaxPlayerIdNameChars = 60;
QString playerIdFor(int slot, const QString& name);
