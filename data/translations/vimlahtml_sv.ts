<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Swedish for the texts of Qt that the program shows and Qt's own Swedish translation lacks. -->
<TS version="2.1" language="sv_SE">
<context>
    <name>QWidgetTextControl</name>
    <message><source>&amp;Undo</source><translation>&amp;Ångra</translation></message>
    <message><source>&amp;Redo</source><translation>&amp;Gör om</translation></message>
    <message><source>Cu&amp;t</source><translation>Klipp &amp;ut</translation></message>
    <message><source>&amp;Copy</source><translation>&amp;Kopiera</translation></message>
    <message><source>Copy &amp;Link Location</source><translation>Kopiera &amp;länkadress</translation></message>
    <message><source>&amp;Paste</source><translation>Klistra &amp;in</translation></message>
    <message><source>Delete</source><translation>Ta bort</translation></message>
    <message><source>Select All</source><translation>Markera alla</translation></message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message><source>OK</source><translation>OK</translation></message>
    <message><source>&amp;Yes</source><translation>Ja</translation></message>
    <message><source>&amp;No</source><translation>Nej</translation></message>
    <message><source>Cancel</source><translation>Avbryt</translation></message>
    <message><source>Open</source><translation>Öppna</translation></message>
    <message><source>Save</source><translation>Spara</translation></message>
</context>
<context>
    <name>QFileDialog</name>
    <message><source>Look in:</source><translation>Leta i:</translation></message>
    <message><source>Remove</source><translation>Ta bort</translation></message>
    <message><source>Show </source><translation>Visa </translation></message>
    <message><source>&amp;New Folder</source><translation>&amp;Ny mapp</translation></message>
    <message><source>Files</source><translation>Filer</translation></message>
    <message><source>Sidebar</source><translation>Sidopanel</translation></message>
    <message><source>List of places and bookmarks</source><translation>Platser och bokmärken</translation></message>
    <message><source>Go back</source><translation>Gå tillbaka</translation></message>
    <message><source>Go forward</source><translation>Gå framåt</translation></message>
    <message><source>Go to the parent directory</source><translation>Gå till mappen ovanför</translation></message>
    <message><source>Create a New Folder</source><translation>Skapa en ny mapp</translation></message>
    <message><source>Change to list view mode</source><translation>Visa som lista</translation></message>
    <message><source>Change to detail view mode</source><translation>Visa med detaljer</translation></message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message><source>Computer</source><translation>Dator</translation></message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message><source>Folder</source><comment>All other platforms</comment><translation>Mapp</translation></message>
    <message><source>Drive</source><translation>Enhet</translation></message>
    <message><source>File</source><translation>Fil</translation></message>
    <message><source>%1 File</source><comment>%1 is a file name suffix, for example txt</comment><translation>%1-fil</translation></message>
</context>
<context>
    <name>QGuiApplication</name>
    <message><source>QT_LAYOUT_DIRECTION</source><comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment><translation>LTR</translation></message>
</context>
</TS>
