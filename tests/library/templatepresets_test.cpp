#include "library/templatepresets.h"

#include "library/foldertemplate.h"
#include "settings/settingsstore.h"

#include "fixtures.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const TTemplateSet kMine{"%n %I", "%A [%Y]", "%I!", "%A!"};
const TTemplateSet kBuiltInSets[] = {{"%I", "%Y - %A", "%I", "%Y - %A"},
                                     {"%N-%I", "%N-%A (%Y)", "%N-%I", "%N-%A (%Y)"},
                                     {"%I", "%A", "%I", "%A"}};

class TemplatePresets : public ::testing::Test {
protected:
    // A store on the settings file as it is now, and presets over it (a dialog opening).
    TTemplatePresets &Open()
    {
        fPresets.reset();
        fStore = std::make_unique<TSettingsStore>(fFolder.Path("lorvanta.reg"));
        fPresets = std::make_unique<TTemplatePresets>(*fStore);
        return *fPresets;
    }

    QByteArray File() const { return ReadBytes(fFolder.Path("lorvanta.reg")); }

    TTempFolder fFolder;
    std::unique_ptr<TSettingsStore> fStore;
    std::unique_ptr<TTemplatePresets> fPresets;
};

const QStringList kBuiltInNames = {"По умолчанию", "Домашняя коллекция", "Проще некуда"};

} // namespace

TEST_F(TemplatePresets, BuiltInSetsComeFirstAndTheUserKeyIsCreated)
{
    TTemplatePresets &presets = Open();
    EXPECT_EQ(presets.Names(), kBuiltInNames);
    for (int i = 0; i < TTemplatePresets::BuiltInCount; ++i)
        EXPECT_EQ(presets.Choose(i), kBuiltInSets[i]);
    EXPECT_EQ(presets.Choose(3), std::nullopt);
    EXPECT_EQ(presets.Choose(-1), std::nullopt);
    EXPECT_TRUE(fStore->KeyExists(UserTemplatesKey));
    EXPECT_EQ(fStore->CurrentPath(), "");
}

TEST_F(TemplatePresets, UserPresetsFollowInTheStoresOrderAndReadMissingValuesAsEmpty)
{
    WriteBytes(fFolder.Path("lorvanta.reg"),
               "REGEDIT4\n\n"
               "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0\\UserTemplates\\Мой]\n"
               "\"Import artist folder template\"=\"%n %I\"\n"
               "\"Import album folder template\"=\"%A [%Y]\"\n"
               "\"Save M3U pack artist template\"=\"%I!\"\n"
               "\"Save M3U pack album template\"=\"%A!\"\n\n"
               "[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0\\UserTemplates\\Half]\n"
               "\"Import album folder template\"=\"%A\"\n\n");
    TTemplatePresets &presets = Open();
    EXPECT_EQ(presets.Names(), kBuiltInNames + QStringList({"Мой", "Half"}));
    EXPECT_EQ(presets.Choose(3), kMine);
    EXPECT_EQ(presets.Choose(4), TTemplateSet({"", "%A", "", ""}));
    // A preset removed meanwhile (by another copy of the program): nothing to put in the edits.
    fStore->DeleteKey(UserTemplatesKey + "\\Half");
    EXPECT_EQ(presets.Choose(4), std::nullopt);
}

TEST_F(TemplatePresets, SaveWritesUserPresetsOnlyAndAtOnce)
{
    Open().SaveAs("Мой", TTemplateSet{});
    TTemplatePresets &presets = Open();
    ASSERT_EQ(presets.Names().size(), 4);
    const QByteArray before = File();
    for (int builtIn = 0; builtIn < TTemplatePresets::BuiltInCount; ++builtIn) {
        EXPECT_FALSE(TTemplatePresets::CanSave(builtIn));
        EXPECT_FALSE(presets.Save(builtIn, kMine));
        EXPECT_EQ(presets.Choose(builtIn), kBuiltInSets[builtIn]);
    }
    EXPECT_FALSE(presets.Save(4, kMine));
    EXPECT_EQ(File(), before);
    EXPECT_TRUE(TTemplatePresets::CanSave(3));
    EXPECT_TRUE(presets.Save(3, kMine));
    EXPECT_EQ(Open().Choose(3), kMine)
        << "saved to the file without waiting for the dialog to close";
}

TEST_F(TemplatePresets, SaveAsAppendsTheNameEvenWhenItIsListedAlready)
{
    TTemplatePresets &presets = Open();
    EXPECT_EQ(presets.SaveAs("Мой", TTemplateSet{"a%I", "", "", ""}), 3);
    EXPECT_EQ(presets.SaveAs("мой", kMine), 4); // the same preset, letter case aside
    EXPECT_EQ(presets.SaveAs("Проще некуда", kMine), 5);
    EXPECT_EQ(presets.Names(), kBuiltInNames + QStringList({"Мой", "мой", "Проще некуда"}));
    EXPECT_EQ(presets.Choose(3), kMine);
    EXPECT_EQ(presets.Choose(2), kBuiltInSets[2]) << "the first entry is still the built-in set";
    EXPECT_EQ(presets.Choose(5), kMine);
    // Opened again, each preset is listed once.
    EXPECT_EQ(Open().Names(), kBuiltInNames + QStringList({"Мой", "Проще некуда"}));
}

TEST_F(TemplatePresets, NamesThatCouldNotBeListedAgainAreRefused)
{
    TTemplatePresets &presets = Open();
    fStore->Flush();
    const QByteArray before = File();
    const QString names[] = {"", "Rock\\Live", "\\", "line\nbreak"};
    for (const QString &name : names) {
        EXPECT_THROW(presets.SaveAs(name, kMine), ETemplateError) << name.toStdString();
        EXPECT_EQ(presets.Names(), kBuiltInNames);
        EXPECT_EQ(fStore->CurrentPath(), "");
    }
    EXPECT_EQ(File(), before);
    EXPECT_FALSE(fStore->KeyExists(UserTemplatesKey + "\\Rock"));
    EXPECT_EQ(Open().Names(), kBuiltInNames);
    // Blanks are a name like any other.
    EXPECT_EQ(Open().SaveAs(" ", kMine), 3);
    EXPECT_EQ(Open().Names(), kBuiltInNames + QStringList({" "}));
    EXPECT_EQ(fPresets->Choose(3), kMine);
}
