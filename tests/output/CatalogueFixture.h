#pragma once

#include "ManualLookup.h"
#include "SeamRecorder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Writes a catalogue into a folder of the test's own and looks it up, with
// the opened documents and the diagnostic lines recorded.
class CatalogueFixture : public ::testing::Test
{
protected:
    QString CataloguePath() const { return m_folder.filePath(QString::fromLatin1(ManualLookup::kCatalogueName)); }

    void LookUp(const QByteArray& catalogue, int nModel, int nComm, int nRev)
    {
        ASSERT_TRUE(WriteTestFile(CataloguePath(), catalogue));
        ManualLookup::OpenManuals(CataloguePath(), nModel, nComm, nRev);
    }

    std::string Name() const { return CataloguePath().toStdString(); }

    QTemporaryDir m_folder;
    CSeamRecorder m_seams;
};
