#pragma once

#include <QDialog>

#include <memory>

// The four generated DDM pages of the ports' transceivers: settings, status, thresholds and port
// management. Each is a generated page; the caption is the opener's.
std::unique_ptr<QDialog> makeDDMSettingsPage();
std::unique_ptr<QDialog> makeDDMStatusTablePage(double scale);
std::unique_ptr<QDialog> makeDDMThresholdTablePage(double scale);
std::unique_ptr<QDialog> makeDDMPortTablePage(double scale);
