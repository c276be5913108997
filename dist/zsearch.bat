@echo off
rem zsearch.bat 検索語1 検索語2 文献ファイル
rem   zunoseek が検索のたびに起動します。同じフォルダーの zsfind.exe で文献ファイルを
rem   検索し、環境変数 HOMEDRIVE のドライブの \temp\out.txt と \temp\out.htm に
rem   結果を書きます。前の結果は置き換えます。
setlocal EnableExtensions DisableDelayedExpansion

rem ---- 設定 -------------------------------------------------------------
rem ZSFIND_MODE=fold  : 英字の大文字と小文字、全角と半角の英数字・カナを
rem                     同じ文字として探します（既定）。
rem ZSFIND_MODE=exact : 入力どおりの文字だけを探します。
set "ZSFIND_MODE=fold"
rem -----------------------------------------------------------------------

rem zunoseek は検索語と文献ファイル名を環境変数 ZUNOSEEK_WORD1、ZUNOSEEK_WORD2、
rem ZUNOSEEK_DATABASE にも入れて起動します。zsfind がそれを直接読むので、
rem cmd はその中身を一度も解釈しません。手で起動したときだけ、引数を一つずつ
rem 二重引用符で囲んで渡します。
set "ZSFIND_INPUT=--env-args"
if defined ZUNOSEEK_WORD1 goto search
set ZSFIND_INPUT=--script-args "%~1" "%~2" "%~3" "%~4"
:search
"%~dp0zsfind.exe" --mode "%ZSFIND_MODE%" --text-out "%HOMEDRIVE%\temp\out.txt" --html-out "%HOMEDRIVE%\temp\out.htm" %ZSFIND_INPUT%
