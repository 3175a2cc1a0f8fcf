#pragma once
#include <QByteArray>
#include <QTemporaryDir>

namespace worvanta::testing {

// Points the user's configuration folder (where the login cache lives) at a
// fresh temporary folder, or at any given path, for as long as it lives.
class XdgConfigFolder {
public:
    XdgConfigFolder() : had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        pointAt(temporary_.path());
    }
    ~XdgConfigFolder()
    {
        if (had_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    XdgConfigFolder(const XdgConfigFolder&) = delete;
    XdgConfigFolder& operator=(const XdgConfigFolder&) = delete;

    void pointAt(const QString& folder) { qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit()); }
    QString path() const { return temporary_.path(); }
    QString cacheFile() const { return temporary_.filePath(QStringLiteral("VarnokTobrel.json")); }

private:
    bool had_;
    QByteArray saved_;
    QTemporaryDir temporary_;
};

}  // namespace worvanta::testing
