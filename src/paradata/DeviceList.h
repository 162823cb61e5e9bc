#pragma once
// The device lists "nqzdevice.lst" and "qzdevice.lst" in the application
// folder: the per-axis tables, their size lists, and the lookups of one
// actuator (size code, speed letter, stroke in mm).
#include <QString>
#include <cstdint>

namespace DeviceList {

// One actuator as packed into a device key.
struct DevKey {
    QString size;
    QString speed;
    int32_t stroke = 0;
};
// "nqzdevice.lst" key: size code chars 1-3, speed letter char 4, stroke
// chars 6-8.
DevKey SplitNQzDeviceKey(const QString &key);
// "qzdevice.lst" key: size number chars 1-2 (as decimal text, "28"), speed
// letter char 3, stroke chars 5-7.
DevKey SplitQzDeviceKey(const QString &key);

// Four-axis read of "nqzdevice.lst": 0 read, 1 failed (message shown, the
// axis being read flagged in DevListErr; later axes untouched).
int ReadNQzDeviceList();
// The same for one axis (0..3).
int ReadNQzDeviceListOfAxis(int axis);
// Four-axis read of "qzdevice.lst"; a failure shows in DevListErr only.
void ReadQzDeviceList();

// Lead and pulses per revolution of a listed actuator into DevListLead /
// DevListPPR: 0 found, 1 not listed or the list unreadable.
int GetDeviceLeadPpr(const QString &size, const QString &speed, int32_t stroke);

// 0 when size has 3 characters, speed starts with A..Z and stroke is
// 10..600; 1 otherwise.
int CheckDeviceCode(const QString &size, const QString &speed, int32_t stroke);
// 0 listed in "nqzdevice.lst", 1 not (or unreadable, with a message).
int CheckDeviceInList(const QString &size, const QString &speed, int32_t stroke);
// PG / vertical option code 0, 1 or 2 of the listed actuator; 99 when not
// listed or the list is unreadable (with a message).
int GetDevicePgKind(const QString &size, const QString &speed, int32_t stroke);
int GetDeviceVerticalKind(const QString &size, const QString &speed, int32_t stroke);

// Rebuilds the axis's speed-letter list for one size from its table.
void GetDevSpeedList(int axis, const QString &size);

// The controller's actuator data into the PC's per-axis flags, lead, pulses
// per revolution and MaxPulse, for the axes in use.
void CheckDeviceKind();

} // namespace DeviceList
