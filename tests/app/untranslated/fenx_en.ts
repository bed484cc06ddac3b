<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Dialogs</name>
    <message>
        <source>訳のある文</source>
        <translation>A text with its translation</translation>
    </message>
</context>
</TS>
