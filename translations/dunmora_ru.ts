<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutButton</name>
    <message>
        <source>DunmoraEditor  ver.1.0</source>
        <translation>DunmoraEditor  версия 1.0</translation>
    </message>
    <message>
        <source>A level editor for the Dunmora cartridge image.</source>
        <translation>Редактор уровней для образа картриджа Dunmora.</translation>
    </message>
    <message>
        <source>Made by the DunmoraEditor developers.</source>
        <translation>Сделан разработчиками DunmoraEditor.</translation>
    </message>
    <message>
        <source>Tiles, items, enemies and banners are the project's own art.</source>
        <translation>Плитки, вещи, враги и баннеры нарисованы для этого проекта.</translation>
    </message>
</context>
<context>
    <name>EndScreenPanel</name>
    <message>
        <source>This operation will write the End data
in chosen End screen. The Previous End
screen will is refined. Continue?</source>
        <translation>Эта операция поместит код окончания в экран,
номер которого выбран в поле Конечный экран.
При этом экран, в котором ранее находился код
окончания игры, будет очищен. Продолжить?</translation>
    </message>
    <message>
        <source>Select End screen!</source>
        <translation>Выберите экран финиша!</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
</context>
<context>
    <name>EndingTextPanel</name>
    <message>
        <source>Ending text: 32 symbols in line. If End screen number = 0, then game never ends!</source>
        <translation>Текст окончания: 32 символа в строке. Если номер Конечного экрана = 0, окончания не будет!</translation>
    </message>
</context>
<context>
    <name>ItemSlot</name>
    <message>
        <source>Item: None</source>
        <translation>Вещь: Нет</translation>
    </message>
    <message>
        <source>Item: Life sphere</source>
        <translation>Вещь: Life sphere</translation>
    </message>
    <message>
        <source>Item: Magic missile +1</source>
        <translation>Вещь: Magic missile +1</translation>
    </message>
    <message>
        <source>Item: Xecrom's thunder</source>
        <translation>Вещь: Xecrom's thunder</translation>
    </message>
    <message>
        <source>Item: Prism cube</source>
        <translation>Вещь: Prism cube</translation>
    </message>
    <message>
        <source>Item: Spectral bridge</source>
        <translation>Вещь: Spectral bridge</translation>
    </message>
    <message>
        <source>Item: Levitation Y +1</source>
        <translation>Вещь: Levitation Y +1</translation>
    </message>
    <message>
        <source>Item: Levitation X +1</source>
        <translation>Вещь: Levitation X +1</translation>
    </message>
    <message>
        <source>Item: Tri-caster</source>
        <translation>Вещь: Tri-caster</translation>
    </message>
    <message>
        <source>Item: Levitation speed</source>
        <translation>Вещь: Levitation speed</translation>
    </message>
    <message>
        <source>Item: Teleportation</source>
        <translation>Вещь: Teleportation</translation>
    </message>
</context>
<context>
    <name>PalettePanel</name>
    <message>
        <source>Manual</source>
        <translation>Произвольная</translation>
    </message>
    <message>
        <source>Cave</source>
        <translation>Пещера</translation>
    </message>
    <message>
        <source>Forest 1</source>
        <translation>Лес 1</translation>
    </message>
    <message>
        <source>Forest 2</source>
        <translation>Лес 2</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Замок</translation>
    </message>
</context>
<context>
    <name>RomOpener</name>
    <message>
        <source> Open file Dunmora.nes</source>
        <translation> Откройте файл Dunmora.nes</translation>
    </message>
</context>
<context>
    <name>ScreenSaver</name>
    <message>
        <source>No screen has been loaded from this image yet</source>
        <translation>Экран из этого образа ещё не загружен</translation>
    </message>
</context>
<context>
    <name>StartupTexts</name>
    <message>
        <source>Show enemy 1</source>
        <translation>Враг №1</translation>
    </message>
    <message>
        <source>Show enemy 2</source>
        <translation>Враг №2</translation>
    </message>
    <message>
        <source>Show enemy 3</source>
        <translation>Враг №3</translation>
    </message>
    <message>
        <source>Show enemy 4</source>
        <translation>Враг №4</translation>
    </message>
    <message>
        <source>Show item</source>
        <translation>Вещь</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Screen message:</source>
        <translation>Текст экрана:</translation>
    </message>
    <message>
        <source>Palette 1</source>
        <translation>Палитра 1</translation>
    </message>
    <message>
        <source>Palette 2</source>
        <translation>Палитра 2</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Произвольная</translation>
    </message>
    <message>
        <source>Item: None</source>
        <translation>Вещь: Нет</translation>
    </message>
    <message>
        <source>Enemy 1:</source>
        <translation>Враг 1:</translation>
    </message>
    <message>
        <source>Enemy 2:</source>
        <translation>Враг 2:</translation>
    </message>
    <message>
        <source>Enemy 3:</source>
        <translation>Враг 3:</translation>
    </message>
    <message>
        <source>Enemy 4:</source>
        <translation>Враг 4:</translation>
    </message>
    <message>
        <source>Item destination</source>
        <translation>Положение вещи</translation>
    </message>
    <message>
        <source>Enemy 1 destination</source>
        <translation>Положение 1 врага</translation>
    </message>
    <message>
        <source>Enemy 2 destination</source>
        <translation>Положение 2 врага</translation>
    </message>
    <message>
        <source>Enemy 3 destination</source>
        <translation>Положение 3 врага</translation>
    </message>
    <message>
        <source>Enemy 4 destination</source>
        <translation>Положение 4 врага</translation>
    </message>
    <message>
        <source>Screen number</source>
        <translation>Номер экрана</translation>
    </message>
    <message>
        <source>Open ROM</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Reload screen</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Save screen</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Export map</source>
        <translation>Экспорт Э</translation>
    </message>
    <message>
        <source>Import map</source>
        <translation>Импорт Э</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Автор...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>    Start screen</source>
        <translation>Стартовый экран</translation>
    </message>
    <message>
        <source>    End screen</source>
        <translation>Конечный экран</translation>
    </message>
    <message>
        <source>Save Ending text</source>
        <translation>Сохранить текст окончания</translation>
    </message>
    <message>
        <source>Export T/P/I/E</source>
        <translation>Экспорт ТПВВ</translation>
    </message>
    <message>
        <source>Import T/P/I/E</source>
        <translation>Импорт ТПВВ</translation>
    </message>
    <message>
        <source>Clear the current screen</source>
        <translation>Очистить текущий экран</translation>
    </message>
    <message>
        <source>Save the current screen to a ROM</source>
        <translation>Сохранить текущий экран в ROM</translation>
    </message>
    <message>
        <source>Export the current screen map</source>
        <translation>Экспорт графики текущего экрана в файл</translation>
    </message>
    <message>
        <source>Import &amp; Save the map to a current screen</source>
        <translation>Импорт графики из файла в текущий экран</translation>
    </message>
    <message>
        <source>Export Text/Palette/Item/Enemies</source>
        <translation>Экспорт текста/палитры/вещи/врагов в файл</translation>
    </message>
    <message>
        <source>Import &amp; Save Text/Palette/Item/Enemies to a current screen</source>
        <translation>Импорт текста/палитры/вещи/врагов из файла</translation>
    </message>
    <message>
        <source>Open ROM Dunmora.nes</source>
        <translation>Открыть ROM Dunmora.nes</translation>
    </message>
    <message>
        <source>Reload current screen</source>
        <translation>Перезагрузить текущий экран</translation>
    </message>
</context>
</TS>