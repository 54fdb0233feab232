# Makes a self-contained Trellimenu folder from a Windows build: the programs,
# the Qt libraries and plugins they load (windeployqt, Qt WebEngine's process
# and resources among them), the run-time scripts and the data files.
#
#   packaging\windows\deploy.ps1 -Build build-windows -Out dist\Trellimenu
#
# The build's bin folder already is a complete program folder (programs,
# run-time scripts, arrow images, help, samples, templates side by side); this
# copies it and adds what Qt needs beside the editor.
param(
    [string]$Build = "build-windows",
    [string]$Out = "dist\Trellimenu"
)
$ErrorActionPreference = "Stop"

$bin = Join-Path $Build "bin"
$editor = Join-Path $bin "trellimenu.exe"
if (-not (Test-Path $editor)) { throw "No editor in $bin: build first (cmake --build --preset windows-msvc)." }

if (Test-Path $Out) { Remove-Item -Recurse -Force $Out }
New-Item -ItemType Directory -Force -Path $Out | Out-Null
Copy-Item -Recurse -Path (Join-Path $bin "*") -Destination $Out

$windeployqt = Get-Command windeployqt -ErrorAction SilentlyContinue
if (-not $windeployqt) { throw "windeployqt is not on PATH: add Qt's bin folder." }
& $windeployqt.Source --release --no-translations --compiler-runtime (Join-Path $Out "trellimenu.exe")
if ($LASTEXITCODE -ne 0) { throw "windeployqt failed ($LASTEXITCODE)." }

# The tests' programs are not part of what users get.
Get-ChildItem -Path $Out -Filter "*_tests.exe" | Remove-Item -Force
Write-Host "Trellimenu is in $Out"
