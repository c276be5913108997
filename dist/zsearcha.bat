@echo off
rem zsearch.bat WORD1 WORD2 DATABASE
rem   zunoseek starts it for every search. It searches the database with
rem   zsfind.exe from this script's folder and writes the results to
rem   \temp\out.txt and \temp\out.htm on the drive that HOMEDRIVE names.
rem   zsearch.bat replaces the results; zsearcha.bat, which differs only in
rem   setting ZSFIND_APPEND below, adds to them.
rem   Plain ASCII on purpose: cmd reads a script in the console's code page,
rem   which chcp or a setting may change. zsfind's README explains it all in
rem   Japanese.
setlocal EnableExtensions DisableDelayedExpansion

rem ---- Setting --------------------------------------------------------------
rem ZSFIND_MODE=fold       the default: ignores case and full- or half-width
rem ZSFIND_MODE=fold-kana  as fold, and hiragana and katakana count as the same
rem ZSFIND_MODE=exact      compares the bytes as they stand
set "ZSFIND_MODE=fold"
rem ---------------------------------------------------------------------------

set "ZSFIND_APPEND=--append"
rem zunoseek also puts the words and the database name in ZUNOSEEK_WORD1,
rem ZUNOSEEK_WORD2 and ZUNOSEEK_DATABASE, which zsfind reads itself: cmd never
rem reads them. Started by hand, the script passes its arguments, each in
rem double quotes.
set "ZSFIND_INPUT=--env-args"
if defined ZUNOSEEK_WORD1 goto search
set ZSFIND_INPUT=--script-args "%~1" "%~2" "%~3" "%~4"
:search
rem A zsfind.exe that is missing or does not start, blocked or damaged, would
rem leave the previous search's results to be opened as this one's.
"%~dp0zsfind.exe" --version >nul 2>nul
if errorlevel 1 goto notrun
if not errorlevel 0 goto notrun
"%~dp0zsfind.exe" --mode "%ZSFIND_MODE%" %ZSFIND_APPEND% --text-out "%HOMEDRIVE%\temp\out.txt" --html-out "%HOMEDRIVE%\temp\out.htm" %ZSFIND_INPUT%
goto :eof

:notrun
rem Then both results say so, and where zsfind.exe was looked for, with exit
rem code 9. The text result's Japanese is copied byte for byte from
rem zsfind-missing.txt beside this script, as a plain-ASCII script cannot
rem write it; without that file the text result says it in English. The HTML
rem result writes its Japanese as character references.
set "ZSFIND_TEXT=%HOMEDRIVE%\temp\out.txt"
set "ZSFIND_HTML=%HOMEDRIVE%\temp\out.htm"
mkdir "%HOMEDRIVE%\temp" 2>nul
if not defined ZSFIND_APPEND type nul>"%ZSFIND_TEXT%"
if not exist "%~dp0zsfind-missing.txt" goto english
type "%~dp0zsfind-missing.txt">>"%ZSFIND_TEXT%"
goto place
:english
echo ERROR: the search tool was not found or did not start. Looked for:>>"%ZSFIND_TEXT%"
:place
echo "%~dp0zsfind.exe">>"%ZSFIND_TEXT%"
echo.>>"%ZSFIND_TEXT%"
if defined ZSFIND_APPEND if exist "%ZSFIND_HTML%" goto section
echo ^<!DOCTYPE html^>^<html lang=ja^>^<head^>^<meta charset=Shift_JIS^>^<title^>^&#26908;^&#32034;^&#32080;^&#26524;^</title^>^</head^>^<body^>>"%ZSFIND_HTML%"
:section
echo ^<section^>^<p class=e^>^&#12456;^&#12521;^&#12540;^&#65306;^&#26908;^&#32034;^&#12484;^&#12540;^&#12523; zsfind.exe ^&#12364;^&#35211;^&#12388;^&#12363;^&#12425;^&#12394;^&#12356;^&#12363;^&#12289;^&#36215;^&#21205;^&#12391;^&#12365;^&#12414;^&#12379;^&#12435;^&#12391;^&#12375;^&#12383;^&#12290;^&#25506;^&#12375;^&#12383;^&#22580;^&#25152;^&#65306;^</p^>^<p^>"%~dp0zsfind.exe"^</p^>^</section^>>>"%ZSFIND_HTML%"
echo ^</body^>>>"%ZSFIND_HTML%"
echo ^</html^>>>"%ZSFIND_HTML%"
exit /b 9
