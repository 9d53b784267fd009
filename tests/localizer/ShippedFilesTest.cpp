#include "LocalizerFixture.h"

#include <filesystem>
#include <string>

namespace {

using LocalizerShippedFiles = LocalizerFixture;

struct Caption {
    const char* source;
    const char* english;
    const char* german;
    const char* russian;
};

// Every source text the program asks for, with what each shipped language file answers.
const Caption kCaptions[] = {
    {"About Vantor", "About Vantor", "Über Vantor", "О программе Vantor"},
    {"Version", "Vantor Version 1.0", "Vantor Version 1.0", "Vantor, версия 1.0"},
    {"Copyright", "© 2026 The Vantor developers", "© 2026 Die Vantor-Entwickler", "© 2026 Разработчики Vantor"},
    {"OK", "OK", "OK", "OK"},
    {"Font params", "Font params:", "Schriftparameter:", "Параметры шрифта:"},
    {"Type", "Type:", "Schriftart:", "Гарнитура:"},
    {"View", "View:", "Darstellung:", "Вид:"},
    {"Charset", "- Charset", "- Zeichensatz", "- Кодировка"},
    {"Quality", "- Quality", "- Qualität", "- Качество"},
    {"Width", "- Width", "- Breite", "- Ширина"},
    {"Height", "- Height", "- Höhe", "- Высота"},
    {"Weight", "- Weight", "- Stärke", "- Насыщенность"},
    {"Bold", "- Bold", "- Fett", "- Жирный"},
    {"Italic", "- Italic", "- Kursiv", "- Курсив"},
    {"Texture param", "Texture param:", "Texturparameter:", "Параметры текстуры:"},
    {"Show texture", "- Show texture", "- Textur anzeigen", "- Показать текстуру"},
    {"Texture width", "- Texture width", "- Texturbreite", "- Ширина текстуры"},
    {"Leading", "- Leading", "- Zeilenabstand", "- Интерлиньяж"},
    {"Kerning", "- Kerning", "- Zeichenabstand", "- Кернинг"},
    {"Load params", "Load Font params", "Schriftparameter laden", "Загрузить параметры шрифта"},
    {"Save params", "Save font params", "Schriftparameter speichern", "Сохранить параметры шрифта"},
    {"Save texture", "Save texture", "Textur speichern", "Сохранить текстуру"},
    {"About", "About", "Info", "О программе"},
    {"Exit", "Exit", "Beenden", "Выход"},
    {"File", "File", "Datei", "Файл"},
    {"is exist", "already exists", "existiert bereits", "уже существует"},
    {"not exist", "does not exist", "existiert nicht", "не существует"},
    {"Warning", "Warning", "Warnung", "Предупреждение"},
    {"Error", "Error", "Fehler", "Ошибка"},
    {"Texture", "Texture", "Textur", "Текстура"},
};

// The build copies the language files beside the test program.
std::string ShippedMask()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "*.lng").string();
}

TEST_F(LocalizerShippedFiles, EnglishIsTheDefaultLanguage)
{
    Reload(ShippedMask(), "");
    EXPECT_EQ(localizer.GetLanguageCount(), 3);
    EXPECT_STREQ(localizer.GetLanguageName(), "ENGLISH");
    EXPECT_EQ(Tr("Exit"), "Exit");
}

TEST_F(LocalizerShippedFiles, EveryLanguageTranslatesEverySourceText)
{
    const char* Caption::*const columns[] = {&Caption::english, &Caption::german, &Caption::russian};
    const char* const languages[] = {"ENGLISH", "GERMAN", "RUSSIAN"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(languages[i]);
        Reload(ShippedMask(), languages[i]);
        ASSERT_EQ(localizer.GetLanguageCount(), 3);
        EXPECT_STREQ(localizer.GetLanguageName(), languages[i]);
        for (const Caption& caption : kCaptions) {
            EXPECT_EQ(Tr(caption.source), caption.*columns[i]) << "source text \"" << caption.source << '"';
            EXPECT_NE(localizer.Index(caption.source), 0) << "source text \"" << caption.source << '"';
        }
    }
}

}  // namespace
