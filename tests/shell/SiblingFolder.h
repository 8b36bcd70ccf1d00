// Executables of the given names beside a stand-in for our own executable, so that sibling
// programs and the help file are found there.
#pragma once

#include "TApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

class SiblingFolder {
public:
    explicit SiblingFolder(const std::vector<std::string>& programs) {
        for (const std::string& name : programs) {
            QFile file(Dir.filePath(QString::fromStdString(name)));
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        Application->SetExeName(Path("zqs4410"));
    }
    ~SiblingFolder() { Application->SetExeName(""); }
    SiblingFolder(const SiblingFolder&) = delete;
    SiblingFolder& operator=(const SiblingFolder&) = delete;

    std::string Path(const std::string& name) const {
        return Dir.filePath(QString::fromStdString(name)).toStdString();
    }

private:
    QTemporaryDir Dir;
};
