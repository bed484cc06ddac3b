<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Dialogs</name>
    <message>
        <source>DODI</source>
        <translation>FENX</translation>
    </message>
    <message>
        <source>OK(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>FENXのバージョン</source>
        <translation>About FENX</translation>
    </message>
    <message>
        <source>チャレンジ面選択&#x3000;</source>
        <translation>Challenge Stages</translation>
    </message>
    <message>
        <source>        日付     時刻 サイズ  面</source>
        <translation>      Date        Time   Size    Stage</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>一括設定(&amp;A)</source>
        <translation>Set &amp;All</translation>
    </message>
    <message>
        <source>検索範囲              ～</source>
        <translation>Range                 to</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>検索(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>任意</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>０個</source>
        <translation>0</translation>
    </message>
    <message>
        <source>１個</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２個</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３個</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４個</source>
        <translation>4</translation>
    </message>
    <message>
        <source>１以上</source>
        <translation>1+</translation>
    </message>
    <message>
        <source>２以上</source>
        <translation>2+</translation>
    </message>
    <message>
        <source>３以上</source>
        <translation>3+</translation>
    </message>
    <message>
        <source>４以上</source>
        <translation>4+</translation>
    </message>
    <message>
        <source>面検索</source>
        <translation>Find Stages</translation>
    </message>
    <message>
        <source>検索面数 : %d/%d (%d%%)</source>
        <translation>Tested : %d/%d (%d%%)</translation>
    </message>
    <message>
        <source>適合面数 : %d</source>
        <translation>Found : %d</translation>
    </message>
    <message>
        <source>検索しています...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>面検索実行</source>
        <translation>Finding Stages</translation>
    </message>
    <message>
        <source>横幅 (7～38)</source>
        <translation>Width (7-38)</translation>
    </message>
    <message>
        <source>高さ (3～10)</source>
        <translation>Height (3-10)</translation>
    </message>
    <message>
        <source>サイズの変更</source>
        <translation>Change Size</translation>
    </message>
    <message>
        <source>面 (0～65535)</source>
        <translation>Stage (0-65535)</translation>
    </message>
    <message>
        <source>ｸﾘｱｰ(&amp;A)</source>
        <translation>Cle&amp;ar</translation>
    </message>
    <message>
        <source>面の指定</source>
        <translation>Stage Number</translation>
    </message>
    <message>
        <source>スタート(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>fenx::GameMenu</name>
    <message>
        <source>ｹﾞｰﾑ(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>任意の面でスタート(&amp;R)</source>
        <translation>&amp;Random Stage</translation>
    </message>
    <message>
        <source>面を指定してスタート(&amp;D)...</source>
        <translation>Stage by Number(&amp;D)...</translation>
    </message>
    <message>
        <source>面を検索してスタート(&amp;F)...</source>
        <translation>&amp;Find a Stage...</translation>
    </message>
    <message>
        <source>チャレンジ面でスタート(&amp;C)...</source>
        <translation>&amp;Challenge Stages...</translation>
    </message>
    <message>
        <source>７ブロック（初級）(&amp;E)</source>
        <translation>7 Blocks (&amp;Easy)</translation>
    </message>
    <message>
        <source>12ブロック（中級）(&amp;M)</source>
        <translation>12 Blocks (&amp;Medium)</translation>
    </message>
    <message>
        <source>14ブロック（上級）(&amp;H)</source>
        <translation>14 Blocks (&amp;Hard)</translation>
    </message>
    <message>
        <source>任意サイズ(&amp;A)...</source>
        <translation>&amp;Any Size...</translation>
    </message>
    <message>
        <source>ドラッグブロックの表示(&amp;B)</source>
        <translation>Dragged &amp;Block</translation>
    </message>
    <message>
        <source>そのまま(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>フラッシュ(&amp;F)</source>
        <translation>&amp;Flash</translation>
    </message>
    <message>
        <source>点線枠(&amp;L)</source>
        <translation>Dotted Out&amp;line</translation>
    </message>
    <message>
        <source>効果音(&amp;S)</source>
        <translation>&amp;Sound Effects</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次(&amp;C)...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message>
        <source>履歴でスタート(&amp;H)...</source>
        <translation>Stage from &amp;History...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About FENX...</translation>
    </message>
</context>
<context>
    <name>fenx::HelpWindow</name>
    <message>
        <source>FENX ヘルプ</source>
        <translation>FENX Help</translation>
    </message>
</context>
</TS>
