#pragma once
// Whole starts of the program: each test in a fresh current directory with a registry file of its own
// (none until written), and the application title every message box carries.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

inline void writeFile(const QString& path, const std::string& text) {
    QDir().mkpath(QFileInfo(path).path());
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    out << text;
}

class SuiteFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setApplicationDisplayName(QStringLiteral("TRV5124"));
        previous = QDir::currentPath();
        enter();
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        unsetenv("TRV_REGISTRY");
    }
    // dir becomes the current directory, its registry.ini the registry.
    void enter() {
        QDir::setCurrent(dir.path());
        setenv("TRV_REGISTRY", QFile::encodeName(dir.filePath("registry.ini")).constData(), 1);
    }

    QTemporaryDir dir;
    QString previous;
};
