// What the properties dialog shows of one item of the list.
#pragma once

#include <QString>
#include <QtGlobal>

namespace velmora {

struct ItemProperties {
    QString name;             // as the list's first column shows it
    QString originalFolder;   // the 原位置 text; empty when no original location is known
    QString deleted;          // the 删除日期 text
    QString type;             // the 项目类型 text
    QString size;             // the 大小 text: what removing the item frees
    qint64 bytesOnDisk = 0;   // allocated, as the list counts it
    qint64 apparentBytes = 0; // the lengths of its files (differs for sparse files and folders)
    bool folder = false;
    qint64 files = 0;   // inside a folder item: files, links and special files
    qint64 folders = 0; // inside a folder item, the item itself not counted
    QString modified;   // the 修改日期 text
    QString storedPath; // the absolute path of the stored file or folder
};

} // namespace velmora
