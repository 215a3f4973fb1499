<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Command</name>
    <message>
        <source>&amp;New Client...</source>
        <translation>새 고객(&amp;N)...</translation>
    </message>
    <message>
        <source>Create a new Client</source>
        <translation>새 고객을 만듭니다</translation>
    </message>
    <message>
        <source>&amp;Clients...</source>
        <translation>고객 목록(&amp;C)...</translation>
    </message>
    <message>
        <source>Show a Client list</source>
        <translation>고객 목록을 표시합니다</translation>
    </message>
    <message>
        <source>&amp;Personal Information...</source>
        <translation>개인 정보(&amp;P)...</translation>
    </message>
    <message>
        <source>Verify/Edit Personal Information</source>
        <translation>개인 정보를 확인하거나 편집합니다</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>파일(&amp;F)...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>파일을 엽니다</translation>
    </message>
    <message>
        <source>&amp;Delete Files...</source>
        <translation>파일 삭제(&amp;D)...</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>파일을 삭제합니다</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <translation>백업(&amp;B)...</translation>
    </message>
    <message>
        <source>Copy the client register to a backup folder</source>
        <translation>고객 기록을 백업 폴더로 복사합니다</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>복원(&amp;R)...</translation>
    </message>
    <message>
        <source>Restore the client register from a backup folder</source>
        <translation>백업 폴더에서 고객 기록을 복원합니다</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a sound file from outside a client folder</source>
        <translation>고객 폴더 밖에 있는 음성 파일을 엽니다</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>닫기(&amp;L)</translation>
    </message>
    <message>
        <source>Close the sound file</source>
        <translation>음성 파일을 닫습니다</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the chosen screens</source>
        <translation>선택한 화면을 인쇄합니다</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>인쇄 미리 보기(&amp;V)</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>인쇄될 페이지를 미리 표시합니다</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Quit Sonarel</source>
        <translation>Sonarel을 종료합니다</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>재생(&amp;P)</translation>
    </message>
    <message>
        <source>Play the sound file or the marked stretch</source>
        <translation>음성 파일 또는 선택한 구간을 재생합니다</translation>
    </message>
    <message>
        <source>Record a &amp;Voice Analysis File...</source>
        <translation>음성 분석 파일 녹음(&amp;V)...</translation>
    </message>
    <message>
        <source>Record a Voice Analysis File</source>
        <translation>음성 분석 파일을 녹음합니다</translation>
    </message>
    <message>
        <source>Record a Vocal &amp;Quality File...</source>
        <translation>음질 파일 녹음(&amp;Q)...</translation>
    </message>
    <message>
        <source>Record a Vocal Quality File</source>
        <translation>음질 파일을 녹음합니다</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>가져오기(&amp;I)...</translation>
    </message>
    <message>
        <source>Import an outside sound file into the client folder</source>
        <translation>외부 음성 파일을 고객 폴더로 가져옵니다</translation>
    </message>
    <message>
        <source>Vo&amp;lume...</source>
        <translation>볼륨(&amp;L)...</translation>
    </message>
    <message>
        <source>Playback and record volume</source>
        <translation>재생 및 녹음 볼륨</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>마지막 변경을 취소합니다</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the marked stretch</source>
        <translation>선택한 구간을 잘라냅니다</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the marked stretch</source>
        <translation>선택한 구간을 복사합니다</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Paste the copied stretch</source>
        <translation>복사한 구간을 붙여넣습니다</translation>
    </message>
    <message>
        <source>&amp;Silence</source>
        <translation>무음 처리(&amp;S)</translation>
    </message>
    <message>
        <source>Silence the marked stretch</source>
        <translation>선택한 구간을 무음으로 만듭니다</translation>
    </message>
    <message>
        <source>&amp;Amplify Volume...</source>
        <translation>볼륨 증폭(&amp;A)...</translation>
    </message>
    <message>
        <source>Amplify the marked stretch</source>
        <translation>선택한 구간을 증폭합니다</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message>
        <source>Select all sound file</source>
        <translation>음성 파일 전체를 선택합니다</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <translation>확대 +(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom into the marked stretch, or back out</source>
        <translation>선택한 구간을 확대하거나 전체 녹음으로 되돌아갑니다</translation>
    </message>
    <message>
        <source>Sa&amp;ve Changes</source>
        <translation>변경 내용 저장(&amp;V)</translation>
    </message>
    <message>
        <source>Save the changed sound file</source>
        <translation>변경된 음성 파일을 저장합니다</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>오디오 신호</translation>
    </message>
    <message>
        <source>Show the audio signal</source>
        <translation>오디오 신호를 표시합니다</translation>
    </message>
    <message>
        <source>Fundamental Frequency (F0)</source>
        <translation>기본 주파수(F0)</translation>
    </message>
    <message>
        <source>Show the F0 contour</source>
        <translation>F0 곡선을 표시합니다</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>강도</translation>
    </message>
    <message>
        <source>Show the intensity contour</source>
        <translation>강도 곡선을 표시합니다</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 및 강도</translation>
    </message>
    <message>
        <source>Show F0 and intensity together</source>
        <translation>F0 및 강도를 함께 표시합니다</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>히스토그램(F0)</translation>
    </message>
    <message>
        <source>Show the F0 histogram</source>
        <translation>F0 히스토그램을 표시합니다</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Show the statistics of F0 and intensity</source>
        <translation>F0 및 강도의 통계를 표시합니다</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>Show the power spectrum</source>
        <translation>파워 스펙트럼을 표시합니다</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>LPC 스펙트럼</translation>
    </message>
    <message>
        <source>Show the LPC spectrum</source>
        <translation>LPC 스펙트럼을 표시합니다</translation>
    </message>
    <message>
        <source>Power Spectrum and LPC</source>
        <translation>파워 스펙트럼 및 LPC</translation>
    </message>
    <message>
        <source>Show the power and LPC spectra</source>
        <translation>파워 스펙트럼과 LPC 스펙트럼을 표시합니다</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>스펙트로그램</translation>
    </message>
    <message>
        <source>Show the spectrogram</source>
        <translation>스펙트로그램을 표시합니다</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>스펙트로그램 - 진폭</translation>
    </message>
    <message>
        <source>Show the spectrogram with the amplitude</source>
        <translation>스펙트로그램을 진폭과 함께 표시합니다</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>모음 공간</translation>
    </message>
    <message>
        <source>Show the vowel space</source>
        <translation>모음 공간을 표시합니다</translation>
    </message>
    <message>
        <source>Calculate Intensity</source>
        <translation>강도 계산</translation>
    </message>
    <message>
        <source>Recompute the intensity contour</source>
        <translation>강도 곡선을 다시 계산합니다</translation>
    </message>
    <message>
        <source>Export F0 to Text File...</source>
        <translation>F0 값을 텍스트 파일로 내보내기...</translation>
    </message>
    <message>
        <source>Save the F0 contour as text</source>
        <translation>F0 곡선을 텍스트로 저장합니다</translation>
    </message>
    <message>
        <source>Export Intensity to Text File...</source>
        <translation>강도 값을 텍스트 파일로 내보내기...</translation>
    </message>
    <message>
        <source>Save the intensity contour as text</source>
        <translation>강도 곡선을 텍스트로 저장합니다</translation>
    </message>
    <message>
        <source>Export Statistics to Text File...</source>
        <translation>통계를 텍스트 파일로 내보내기...</translation>
    </message>
    <message>
        <source>Save the statistics as text</source>
        <translation>통계를 텍스트로 저장합니다</translation>
    </message>
    <message>
        <source>Vocal Analysis Data (Statistics)</source>
        <translation>음성 분석 데이터(통계)</translation>
    </message>
    <message>
        <source>Show the vocal analysis data</source>
        <translation>음성 분석 데이터를 표시합니다</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>발성 편차 도표</translation>
    </message>
    <message>
        <source>Show the phonatory deviation diagram</source>
        <translation>발성 편차 도표를 표시합니다</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity and F0</source>
        <translation>스펙트로그램, 강도 및 F0</translation>
    </message>
    <message>
        <source>Show the spectrogram with intensity and F0</source>
        <translation>스펙트로그램에 강도 및 F0 곡선을 함께 표시합니다</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Show the follow-up diagram</source>
        <translation>경과 관찰 도표를 표시합니다</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>파일 추가...</translation>
    </message>
    <message>
        <source>Add a recording to the follow-up</source>
        <translation>경과 관찰에 녹음을 추가합니다</translation>
    </message>
    <message>
        <source>Remove File...</source>
        <translation>파일 제거...</translation>
    </message>
    <message>
        <source>Remove a recording from the follow-up</source>
        <translation>경과 관찰에서 녹음을 제거합니다</translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Empty the follow-up</source>
        <translation>경과 관찰 목록을 비웁니다</translation>
    </message>
    <message>
        <source>Configure Fundamental Frequency...</source>
        <translation>기본 주파수 설정...</translation>
    </message>
    <message>
        <source>Configure F0</source>
        <translation>F0 설정</translation>
    </message>
    <message>
        <source>Configure Intensity...</source>
        <translation>강도 설정...</translation>
    </message>
    <message>
        <source>Configure Intensity</source>
        <translation>강도 설정</translation>
    </message>
    <message>
        <source>Wide  (300 Hz)</source>
        <translation>광대역(300 Hz)</translation>
    </message>
    <message>
        <source>Spectrogram band</source>
        <translation>스펙트로그램 대역폭</translation>
    </message>
    <message>
        <source>Middle (55 Hz)</source>
        <translation>중간 대역(55 Hz)</translation>
    </message>
    <message>
        <source>Narrow(25 Hz)</source>
        <translation>협대역(25 Hz)</translation>
    </message>
    <message>
        <source>Black and White</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>Spectrogram in grey</source>
        <translation>스펙트로그램을 회색조로 표시합니다</translation>
    </message>
    <message>
        <source>Configure Vowel Space...</source>
        <translation>모음 공간 설정...</translation>
    </message>
    <message>
        <source>Configure Vowel Space</source>
        <translation>모음 공간 설정</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>녹음...</translation>
    </message>
    <message>
        <source>Configure Record Input</source>
        <translation>녹음 입력을 설정합니다</translation>
    </message>
    <message>
        <source>Conf USB...</source>
        <translation>USB 설정...</translation>
    </message>
    <message>
        <source>USB adapter settings</source>
        <translation>USB 어댑터 설정</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Show Sonarel in English</source>
        <translation>Sonarel을 영어로 표시합니다</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Show Sonarel in Spanish</source>
        <translation>Sonarel을 스페인어로 표시합니다</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Show Sonarel in Korean</source>
        <translation>Sonarel을 한국어로 표시합니다</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Show Sonarel in Portuguese</source>
        <translation>Sonarel을 포르투갈어로 표시합니다</translation>
    </message>
    <message>
        <source>Play with the audio signal</source>
        <translation>오디오 신호와 함께 재생</translation>
    </message>
    <message>
        <source>Play with the spectrogram</source>
        <translation>스펙트로그램과 함께 재생</translation>
    </message>
    <message>
        <source>Play with the F0 contour</source>
        <translation>F0 곡선과 함께 재생</translation>
    </message>
    <message>
        <source>Play with the intensity</source>
        <translation>강도와 함께 재생</translation>
    </message>
    <message>
        <source>Play with F0 and intensity</source>
        <translation>F0 및 강도와 함께 재생</translation>
    </message>
    <message>
        <source>Play with the power spectrum</source>
        <translation>파워 스펙트럼과 함께 재생</translation>
    </message>
    <message>
        <source>Play with the LPC spectrum</source>
        <translation>LPC 스펙트럼과 함께 재생</translation>
    </message>
    <message>
        <source>Play with the vowel space</source>
        <translation>모음 공간과 함께 재생</translation>
    </message>
    <message>
        <source>Play with the spectrogram and amplitude</source>
        <translation>스펙트로그램 및 진폭과 함께 재생</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>파일과 비교...</translation>
    </message>
    <message>
        <source>Compare with another file of the client</source>
        <translation>같은 고객의 다른 파일과 비교합니다</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <translation>모델 열기...</translation>
    </message>
    <message>
        <source>Compare with a model recording</source>
        <translation>모델 녹음과 비교합니다</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <translation>모델로 저장...</translation>
    </message>
    <message>
        <source>Save the open file as a model</source>
        <translation>열려 있는 파일을 모델로 저장합니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation>비교를 닫습니다</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>도움말을 엽니다</translation>
    </message>
    <message>
        <source>&amp;About Sonarel...</source>
        <translation>Sonarel 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <translation>고객(&amp;C)</translation>
    </message>
    <message>
        <source>A&amp;udio</source>
        <translation>오디오(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>분석(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Follow up</source>
        <translation>경과 관찰(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Real-Time</source>
        <translation>실시간(&amp;R)</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>비교(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Configure Power Spectrum...</source>
        <translation>파워 스펙트럼 설정...</translation>
    </message>
    <message>
        <source>Transform size and window of the power spectrum</source>
        <translation>파워 스펙트럼의 변환 크기와 창</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum...</source>
        <translation>LPC 스펙트럼 설정...</translation>
    </message>
    <message>
        <source>Order and window of the LPC spectrum</source>
        <translation>LPC 스펙트럼의 차수와 창</translation>
    </message>
    <message>
        <source>Dele&amp;te Client...</source>
        <translation>고객 삭제(&amp;T)...</translation>
    </message>
    <message>
        <source>Delete the current client</source>
        <translation>현재 고객 삭제</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>녹음(&amp;R)...</translation>
    </message>
    <message>
        <source>Record the open client file</source>
        <translation>열린 내담자 파일 녹음</translation>
    </message>
    <message>
        <source>Play the marked stretch</source>
        <translation>표시한 구간 재생</translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <translation>보고서를 PDF로 내보내기...</translation>
    </message>
    <message>
        <source>Write the chosen screens to a PDF file</source>
        <translation>선택한 화면을 PDF 파일로 저장</translation>
    </message>
    <message>
        <source>Edit &amp;Notes...</source>
        <translation>메모 편집(&amp;N)...</translation>
    </message>
    <message>
        <source>Edit the notes of the open file</source>
        <translation>열린 파일의 메모 편집</translation>
    </message>
    <message>
        <source>Open the Demo Register</source>
        <translation>데모 등록부 열기</translation>
    </message>
    <message>
        <source>Open a register of example clients in a new window</source>
        <translation>새 창에서 예제 고객 등록부 열기</translation>
    </message>
    <message>
        <source>Play the comparison recording</source>
        <translation>비교 녹음 재생</translation>
    </message>
    <message>
        <source>Zoom the comparison into its marked stretch, or out</source>
        <translation>비교 녹음을 표시한 구간으로 확대하거나 되돌리기</translation>
    </message>
    <message>
        <source>Clinical Measures (CPPS, HNR, AVQI)</source>
        <translation>임상 측정 (CPPS, HNR, AVQI)</translation>
    </message>
    <message>
        <source>Show CPPS, HNR, shimmer and AVQI with their normal limits</source>
        <translation>CPPS, HNR, 쉬머와 AVQI를 정상 한계와 함께 표시</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>F0 (Hz)</source>
        <translation>F0(Hz)</translation>
    </message>
    <message>
        <source>Intensity (dB)</source>
        <translation>강도(dB)</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>히스토그램(F0)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>(from %.2fs to %.2fs)</source>
        <translation>(%.2fs부터 %.2fs까지)</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>최빈 </translation>
    </message>
    <message>
        <source>Average </source>
        <translation>평균 </translation>
    </message>
    <message>
        <source>Min </source>
        <translation>최소 </translation>
    </message>
    <message>
        <source>Max </source>
        <translation>최대 </translation>
    </message>
    <message>
        <source>SD </source>
        <translation>표준편차 </translation>
    </message>
    <message>
        <source>Average  Intensity:</source>
        <translation>평균 강도:</translation>
    </message>
    <message>
        <source>Min. Intensity:</source>
        <translation>최소 강도:</translation>
    </message>
    <message>
        <source>Max. Intensity:</source>
        <translation>최대 강도:</translation>
    </message>
    <message>
        <source>SD Intensity:</source>
        <translation>강도 표준편차:</translation>
    </message>
    <message>
        <source>Percent Voiced Time: </source>
        <translation>유성음 시간 비율: </translation>
    </message>
    <message>
        <source>Percent Voiceless Time: </source>
        <translation>무성음 시간 비율: </translation>
    </message>
    <message>
        <source>Percent Speech Time:</source>
        <translation>발화 시간 비율:</translation>
    </message>
    <message>
        <source>Percent Silence Time:</source>
        <translation>무음 시간 비율:</translation>
    </message>
    <message>
        <source>Variability </source>
        <translation>변동성 </translation>
    </message>
    <message>
        <source>%d semitone</source>
        <translation>%d 반음</translation>
    </message>
    <message>
        <source>Choose a display in the Analysis menu or on the tool bar.</source>
        <translation>분석 메뉴나 도구 모음에서 표시 방식을 선택하십시오.</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>모음 공간</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>Wide Band</source>
        <translation>광대역</translation>
    </message>
    <message>
        <source>Middle Band</source>
        <translation>중간 대역</translation>
    </message>
    <message>
        <source>Narrow Band</source>
        <translation>협대역</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>스펙트로그램</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>LPC 스펙트럼</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 및 </translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>정상</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>발성 편차 도표</translation>
    </message>
    <message>
        <source>Irregularity (Jitter, Shimmer, Correlation)</source>
        <translation>불규칙성 (지터, 시머, 상관)</translation>
    </message>
    <message>
        <source>Noise (GNE)</source>
        <translation>잡음 (GNE)</translation>
    </message>
    <message>
        <source>Göttingen Hoarseness Diagram</source>
        <translation>괴팅겐 쉰 목소리 도표</translation>
    </message>
    <message>
        <source>File: %1 Date: %2</source>
        <translation>파일: %1 날짜: %2</translation>
    </message>
    <message>
        <source>Noise %.2f Irr. %.2f</source>
        <translation>잡음 %.2f 불규칙 %.2f</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>표준편차:</translation>
    </message>
    <message>
        <source>Jitter  (PPQ): </source>
        <translation>지터  (PPQ): </translation>
    </message>
    <message>
        <source>Irregularity:</source>
        <translation>불규칙성:</translation>
    </message>
    <message>
        <source>Shimmer (EPQ): </source>
        <translation>시머 (EPQ): </translation>
    </message>
    <message>
        <source>Correlation:</source>
        <translation>상관:</translation>
    </message>
    <message>
        <source>GNE:</source>
        <translation>GNE:</translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation>잡음:</translation>
    </message>
    <message>
        <source> (Hz)</source>
        <translation> (Hz)</translation>
    </message>
    <message>
        <source>Clinical measures of the sustained vowel</source>
        <translation>지속 모음의 임상 측정</translation>
    </message>
    <message>
        <source>AVQI (version 03.01)</source>
        <translation>AVQI (버전 03.01)</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <translation>평활화 켑스트럼 피크 돌출도 (CPPS)</translation>
    </message>
    <message>
        <source>Harmonics-to-noise ratio (HNR)</source>
        <translation>배음 대 잡음비 (HNR)</translation>
    </message>
    <message>
        <source>Shimmer (local)</source>
        <translation>쉬머 (국소)</translation>
    </message>
    <message>
        <source>Long-term spectrum: slope</source>
        <translation>장기 평균 스펙트럼: 기울기</translation>
    </message>
    <message>
        <source>Long-term spectrum: tilt</source>
        <translation>장기 평균 스펙트럼: 경사</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Vowel measured: %1 s</source>
        <translation>측정한 모음: %1초</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error Reading File!</source>
        <translation>파일을 읽는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!</source>
        <translation>샘플링 주파수는 11025 Hz 또는 22050 Hz, 16비트, 모노여야 합니다!</translation>
    </message>
    <message>
        <source>Sample Rate must be 44100 Hz, 16 bits,Mono!</source>
        <translation>샘플링 주파수는 44100 Hz, 16비트, 모노여야 합니다!</translation>
    </message>
    <message>
        <source>Error Releasing Memory!</source>
        <translation>메모리를 해제하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>The File %s can´t be recorded!
Verifiy if this file is opened and if the Client Folder exists!</source>
        <translation>%s 파일을 저장할 수 없습니다!
파일이 열려 있는지, 고객 폴더가 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>You need to Select an Area!</source>
        <translation>구간을 선택해야 합니다!</translation>
    </message>
    <message>
        <source>The analysis was cancelled; nothing was changed.</source>
        <translation>분석이 취소되었습니다. 변경된 내용은 없습니다.</translation>
    </message>
    <message>
        <source>It was not Possible to Play the Sound File!</source>
        <translation>음성 파일을 재생할 수 없습니다!</translation>
    </message>
    <message>
        <source>It was not Possible to Open Wave Out Channel!</source>
        <translation>오디오 출력 채널을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>Sonarel needs a screen of at least 800 x 600 pixels.
Resolution : 800 x 600 or 1024 x 768 pixels
Colors: High Color (16 bits) or better</source>
        <translation>Sonarel을 사용하려면 800 x 600 픽셀 이상의 화면이 필요합니다.
해상도: 800 x 600 또는 1024 x 768 픽셀
색상: 하이 컬러(16비트) 이상</translation>
    </message>
    <message>
        <source>Text File Saved!</source>
        <translation>텍스트 파일을 저장했습니다!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Intensity Text File!</source>
        <translation>강도 텍스트 파일을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>accepted as voice analysis</source>
        <translation>음성 분석용으로 인식됨</translation>
    </message>
    <message>
        <source>accepted as vocal quality</source>
        <translation>음질 평가용으로 인식됨</translation>
    </message>
    <message>
        <source>Usage error: %s</source>
        <translation>사용법 오류: %s</translation>
    </message>
    <message>
        <source>File not found: %s</source>
        <translation>파일을 찾을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Minimal Value: 50 Hz</source>
        <translation>최솟값: 50 Hz</translation>
    </message>
    <message>
        <source>Max Value: 1200 Hz</source>
        <translation>최댓값: 1200 Hz</translation>
    </message>
    <message>
        <source>Min Value &gt;= Max Value</source>
        <translation>최솟값 &gt;= 최댓값</translation>
    </message>
    <message>
        <source>Silence Threshold: From 0 to 70 dB</source>
        <translation>무음 임계값: 0~70 dB</translation>
    </message>
    <message>
        <source>Invalid Method!</source>
        <translation>잘못된 방법입니다!</translation>
    </message>
    <message>
        <source>The F0 method %s is not available yet.</source>
        <translation>%s F0 방법은 아직 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Low Limit: 0 to 60 dB</source>
        <translation>하한: 0~60 dB</translation>
    </message>
    <message>
        <source>High Limit: 70 to 140 dB</source>
        <translation>상한: 70~140 dB</translation>
    </message>
    <message>
        <source>filter: unknown filter type</source>
        <translation>필터: 알 수 없는 필터 유형</translation>
    </message>
    <message>
        <source>filter: order of filter too large</source>
        <translation>필터: 필터 차수가 너무 큽니다</translation>
    </message>
    <message>
        <source>filter: filter order must be even</source>
        <translation>필터: 필터 차수는 짝수여야 합니다</translation>
    </message>
    <message>
        <source>filter: out of memory</source>
        <translation>필터: 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>filter: frequencies out of range</source>
        <translation>필터: 주파수가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>The File must be 44100 Hz</source>
        <translation>파일은 44100 Hz여야 합니다</translation>
    </message>
    <message>
        <source>There is no area to be analysed!</source>
        <translation>분석할 구간이 없습니다!</translation>
    </message>
    <message>
        <source>There is no point available!</source>
        <translation>표시할 점이 없습니다!</translation>
    </message>
    <message>
        <source>It´s not possible to Open conf. File! Is It Read-Only?</source>
        <translation>설정 파일을 열 수 없습니다! 읽기 전용입니까?</translation>
    </message>
    <message>
        <source>Value F1 Should be from 200 to 1096</source>
        <translation>F1 값은 200에서 1096 사이여야 합니다</translation>
    </message>
    <message>
        <source>Value F2 Should be from 600 to 3200</source>
        <translation>F2 값은 600에서 3200 사이여야 합니다</translation>
    </message>
    <message>
        <source>There is no Available Points
Select a Bigger Area!</source>
        <translation>사용할 수 있는 점이 없습니다
더 넓은 영역을 선택하십시오!</translation>
    </message>
    <message>
        <source>Error Calculating LPC!</source>
        <translation>LPC 계산 오류!</translation>
    </message>
    <message>
        <source>The picture %s could not be saved!</source>
        <translation>그림 %s을(를) 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>Error - File not Found</source>
        <translation>오류 - 파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Error - Invalid File</source>
        <translation>오류 - 잘못된 파일입니다</translation>
    </message>
    <message>
        <source>There is no Free Memory Available!</source>
        <translation>사용 가능한 메모리가 없습니다!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <translation>데이터베이스에 접근하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Client´s Directory already Exist!</source>
        <translation>고객 폴더가 이미 있습니다!</translation>
    </message>
    <message>
        <source>The client register is in use by another Sonarel; try again in a moment.</source>
        <translation>다른 Sonarel이 고객 명부를 사용하고 있습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The client register could not be written; it was left as it was.</source>
        <translation>고객 명부를 기록할 수 없어 이전 상태 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>There is no free client code left (the codes go up to 9999).</source>
        <translation>남은 고객 코드가 없습니다(코드는 9999까지입니다).</translation>
    </message>
    <message>
        <source>You need to fulfill the Client´s Name!</source>
        <translation>고객 이름을 입력해야 합니다!</translation>
    </message>
    <message>
        <source>Is the Client Man/Woman/Singer/Child?</source>
        <translation>고객이 남성/여성/가수/아동 중 무엇입니까?</translation>
    </message>
    <message>
        <source>Invalid Year (must have 4 digits)
Ex.: 1974</source>
        <translation>잘못된 연도입니다(4자리여야 합니다)
예: 1974</translation>
    </message>
    <message>
        <source>Invalid Day!</source>
        <translation>잘못된 일입니다!</translation>
    </message>
    <message>
        <source>Invalid Month!</source>
        <translation>잘못된 월입니다!</translation>
    </message>
    <message>
        <source>Invalid Year</source>
        <translation>잘못된 연도입니다</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 - 2050&quot;</source>
        <translation>잘못된 연도입니다 
범위: 1890 - 2050&quot;</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <translation>정의되지 않은 유형입니다!</translation>
    </message>
    <message>
        <source>Number of files exceeds 150!
Insert a new client to continue...</source>
        <translation>파일 수가 150개를 넘었습니다!
계속하려면 새 고객을 등록하십시오...</translation>
    </message>
    <message>
        <source>It´s not possible to delete this File!</source>
        <translation>이 파일을 삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>There is no Information to be erased!</source>
        <translation>삭제할 정보가 없습니다!</translation>
    </message>
    <message>
        <source>This File was send to Backup!
You need to Attach Your Backup Files to access these information!</source>
        <translation>이 파일은 백업으로 보내졌습니다!
이 정보에 접근하려면 백업 파일을 다시 연결해야 합니다!</translation>
    </message>
    <message>
        <source>Notes Editor can´t be Inicialized!
Reinstall Sonarel!</source>
        <translation>메모 편집기를 시작할 수 없습니다!
Sonarel을 다시 설치하십시오!</translation>
    </message>
    <message>
        <source>Client Folder can´t be deleted!</source>
        <translation>고객 폴더를 삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>All information about this file will be erased!
Are you sure you want to continue?</source>
        <translation>이 파일의 모든 정보가 삭제됩니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>All Information about this Client will be deleted!
Are you sure you want to continue?</source>
        <translation>이 고객의 모든 정보가 삭제됩니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Select a File!</source>
        <translation>파일을 선택하십시오!</translation>
    </message>
    <message>
        <source>Select a Client!</source>
        <translation>고객을 선택하십시오!</translation>
    </message>
    <message>
        <source>Error Accessing File!</source>
        <translation>파일에 접근하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Type the Client Name!</source>
        <translation>고객 이름을 입력하십시오!</translation>
    </message>
    <message>
        <source>Client not Found!</source>
        <translation>고객을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Client Registered!
Do you want to Start a New File?</source>
        <translation>고객이 등록되었습니다!
새 파일을 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>To use the Vocal Quality Functions, ask your client to record a sustained vowel for some seconds.</source>
        <translation>음성 품질 기능을 사용하려면 고객에게 모음을 몇 초 동안 길게 발성하여 녹음하도록 하십시오.</translation>
    </message>
    <message>
        <source>There is no client with the code %s.</source>
        <translation>코드가 %s인 고객이 없습니다.</translation>
    </message>
    <message>
        <source>Error Recording
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</source>
        <translation>녹음 오류
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</translation>
    </message>
    <message>
        <source>Error Preparing Record Header!</source>
        <translation>녹음 헤더를 준비하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Error Preparing Header!</source>
        <translation>헤더를 준비하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>Undefined Error!</source>
        <translation>정의되지 않은 오류입니다!</translation>
    </message>
    <message>
        <source>It was not Possible to Start Recording</source>
        <translation>녹음을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>Error Writing to File,
Verify if there is free space in your HD!</source>
        <translation>파일에 쓰는 중 오류가 발생했습니다.
디스크에 여유 공간이 있는지 확인하십시오!</translation>
    </message>
    <message>
        <source>Error Stopping Record - Closing Channel!</source>
        <translation>녹음 중지 오류 - 채널을 닫습니다!</translation>
    </message>
    <message>
        <source>This Record will replace the existent Sound File!
Are You Sure You Want to Continue?</source>
        <translation>이 녹음은 기존 사운드 파일을 대체합니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>No sound input was found, so nothing can be recorded.
Connect a microphone or a sound card and choose Record again.</source>
        <translation>사운드 입력을 찾을 수 없어 녹음할 수 없습니다.
마이크나 사운드 카드를 연결한 뒤 다시 녹음을 선택하십시오.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened for 16-bit mono sound at this rate.</source>
        <translation>이 샘플링 속도의 16비트 모노 사운드로 사운드 입력을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The sound input stopped delivering sound.</source>
        <translation>사운드 입력에서 더 이상 소리가 들어오지 않습니다.</translation>
    </message>
    <message>
        <source>The sound input failed.</source>
        <translation>사운드 입력에 실패했습니다.</translation>
    </message>
    <message>
        <source>The recording stopped early; the sound recorded until then is kept.</source>
        <translation>녹음이 일찍 중지되었습니다. 그때까지 녹음된 소리는 보존됩니다.</translation>
    </message>
    <message>
        <source>A recording of %s s was not finished.
Do you want to save it into the file %s?</source>
        <translation>%s초 분량의 녹음이 완료되지 않았습니다.
파일 %s에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The unfinished recording was saved into %s.</source>
        <translation>완료되지 않은 녹음을 %s에 저장했습니다.</translation>
    </message>
    <message>
        <source>The data folder %s cannot be created.</source>
        <translation>데이터 폴더 %s을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %s.</source>
        <translation>메모를 %s에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation>메모의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Sonarel %s
Acoustic assessment of the voice.</source>
        <translation>Sonarel %s
음성의 음향학적 평가.</translation>
    </message>
    <message>
        <source>sonarel needs a display; without one, use sonarel-cli, or render pictures with --screenshots under QT_QPA_PLATFORM=offscreen.</source>
        <translation>sonarel은 디스플레이가 필요합니다. 디스플레이가 없으면 sonarel-cli를 사용하거나, QT_QPA_PLATFORM=offscreen 환경에서 --screenshots로 그림을 만드십시오.</translation>
    </message>
    <message>
        <source>The whole sound file can&apos;t be cut: at least one sample must remain.</source>
        <translation>사운드 파일 전체를 잘라낼 수 없습니다. 샘플이 하나 이상 남아 있어야 합니다.</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <translation>현재 사운드 파일이 변경되었습니다. 어떻게 하시겠습니까?</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 500.</source>
        <translation>0에서 500 사이의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>The stretch from %s s to %s s lies outside the sound file.</source>
        <translation>%s초부터 %s초까지의 구간이 사운드 파일 밖에 있습니다.</translation>
    </message>
    <message>
        <source>%s is read-only; it was not replaced.</source>
        <translation>%s 파일은 읽기 전용이므로 바꾸지 않았습니다.</translation>
    </message>
    <message>
        <source>%s is not a regular file; nothing was written to it.</source>
        <translation>%s은(는) 일반 파일이 아니므로 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>The client register %s is damaged and cannot be read.</source>
        <translation>고객 등록부 %s이(가) 손상되어 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%s lasts longer than %s minutes, the longest recording that can be opened.</source>
        <translation>%s은(는) 열 수 있는 가장 긴 녹음 길이인 %s분보다 깁니다.</translation>
    </message>
    <message>
        <source>Limit is 6 Sound Files!
Remove a File before to insert a new...</source>
        <translation>소리 파일은 6개까지입니다!
새 파일을 넣기 전에 파일 하나를 빼십시오...</translation>
    </message>
    <message>
        <source>The Selected File already is on the Diagram!</source>
        <translation>선택한 파일은 이미 도표에 있습니다!</translation>
    </message>
    <message>
        <source>The Selected File is not a Vocal Quality File!</source>
        <translation>선택한 파일은 음질 파일이 아닙니다!</translation>
    </message>
    <message>
        <source>maxpitch must be &gt; minpitch</source>
        <translation>maxpitch는 minpitch보다 커야 합니다</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <translation>비율에 대한 간단한 인수가 없습니다</translation>
    </message>
    <message>
        <source>Filter design too difficult!</source>
        <translation>필터 설계가 너무 어렵습니다!</translation>
    </message>
    <message>
        <source>Filter will suffer from limit cycles...</source>
        <translation>필터에 리밋 사이클이 생깁니다...</translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <translation>보간된 데이터를 위한 공간을 할당할 수 없습니다</translation>
    </message>
    <message>
        <source>Error Allocating Memory!</source>
        <translation>메모리 할당 오류!</translation>
    </message>
    <message>
        <source>Error Allocating Buffer!</source>
        <translation>버퍼 할당 오류!</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <translation>파일 가져오기 오류!</translation>
    </message>
    <message>
        <source>File can´t be opened!</source>
        <translation>파일을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <translation>가져올 파일은 16비트여야 합니다!
작업이 취소됩니다!</translation>
    </message>
    <message>
        <source>This Operation will Replace the Actual Sound File!
Do You Want to Continue?</source>
        <translation>이 작업은 현재 사운드 파일을 대체합니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <translation>파일을 가져왔습니다!</translation>
    </message>
    <message>
        <source>%s samples of %s lay beyond the 16-bit range and were clipped.</source>
        <translation>%s개의 샘플(%s)이 16비트 범위를 벗어나 잘렸습니다.</translation>
    </message>
    <message>
        <source>The import was cancelled; the client&apos;s folder was left as it was.</source>
        <translation>가져오기가 취소되었습니다. 클라이언트 폴더는 그대로입니다.</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <translation>선택한 폴더에 이전 백업이 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>It´s not possible to copy pacw.dbf File!
Backup Can´t be done!</source>
        <translation>pacw.dbf 파일을 복사할 수 없습니다!
백업할 수 없습니다!</translation>
    </message>
    <message>
        <source>pacw.dbf File is not in this Directory!</source>
        <translation>pacw.dbf 파일이 이 폴더에 없습니다!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <translation>임시 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <translation>임시 파일을 만들지 못했습니다!</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <translation>%s 파일 복사 오류! 여유 공간이 있는지 확인하십시오!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <translation>백업 폴더를 지울 수 없습니다!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <translation>날짜 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <translation>%s 파일의 생성 날짜를 알 수 없습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <translation>백업을 마쳤습니다!
백업 파일은 %s 폴더에 있습니다</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <translation>백업에 실패했습니다!</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t be the same which Sonarel is Installed! Select or Create a New Directory!</source>
        <translation>경고: Sonarel 데이터 폴더는 쓸 수 없습니다! 다른 폴더를 고르거나 만드십시오!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <translation>백업 폴더를 고르십시오!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>작업을 마쳤습니다!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <translation>작업을 마칠 수 없습니다!</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <translation>%s의 파일을 찾을 수 없습니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>&quot;%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <translation>"%s 파일의 압축을 풀 수 없습니다! 여유 공간이 있는지 확인하십시오!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <translation>%s 파일의 원래 날짜를 되살릴 수 없습니다</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <translation>날짜 파일을 찾을 수 없습니다!
복원한 파일은 오늘 날짜가 됩니다!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <translation>소리 파일의 날짜를 복원할 수 없습니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>It´s necessary to select at least a Client!</source>
        <translation>적어도 한 명의 고객을 골라야 합니다!</translation>
    </message>
    <message>
        <source>The copy %s does not match its original, or the original changed; no client files were removed.</source>
        <translation>사본 %s이(가) 원본과 다르거나 원본이 바뀌었습니다. 고객 파일은 지우지 않았습니다.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off. Its rollback must be finished first: start Sonarel, or run sonarel-cli recover.</source>
        <translation>%s 복원이 중간에 끊겼습니다. 먼저 되돌리기를 마쳐야 합니다. Sonarel을 시작하거나 sonarel-cli recover를 실행하십시오.</translation>
    </message>
    <message>
        <source>Some files could not be put back; they are kept in %s.</source>
        <translation>일부 파일을 되돌려 놓지 못했습니다. %s에 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off before it ended.
Put the data back as they were before it?</source>
        <translation>%s 복원이 끝나기 전에 끊겼습니다.
데이터를 복원 전 상태로 되돌리시겠습니까?</translation>
    </message>
    <message>
        <source>The data are back as they were before the restore.</source>
        <translation>데이터가 복원 전 상태로 돌아왔습니다.</translation>
    </message>
    <message>
        <source>You must select at least one screen!</source>
        <translation>화면을 하나 이상 선택해야 합니다!</translation>
    </message>
    <message>
        <source>The report could not be written to %s.</source>
        <translation>보고서를 %s에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>There is no page called %s for this kind of file.</source>
        <translation>이 종류의 파일에는 %s(이)라는 페이지가 없습니다.</translation>
    </message>
    <message>
        <source>%s could not be started: %s</source>
        <translation>%s을(를) 시작할 수 없습니다: %s</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s 파일이 없습니다.</translation>
    </message>
    <message>
        <source>%s is a folder, not a sound file.</source>
        <translation>%s은(는) 폴더이며 소리 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%s is not a regular file (a pipe or a device).</source>
        <translation>%s은(는) 일반 파일이 아닙니다(파이프 또는 장치).</translation>
    </message>
    <message>
        <source>%s cannot be opened for reading (permission denied).</source>
        <translation>%s을(를) 읽기용으로 열 수 없습니다(권한 거부).</translation>
    </message>
    <message>
        <source>%s is empty (0 bytes).</source>
        <translation>%s은(는) 비어 있습니다(0바이트).</translation>
    </message>
    <message>
        <source>%s is not a WAVE file.</source>
        <translation>%s은(는) WAVE 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%s is truncated: the file ends before its sound data do.</source>
        <translation>%s 파일이 잘렸습니다: 소리 데이터보다 파일이 먼저 끝납니다.</translation>
    </message>
    <message>
        <source>%s is a WAVE file with no samples.</source>
        <translation>%s은(는) 샘플이 없는 WAVE 파일입니다.</translation>
    </message>
    <message>
        <source>%s is too large to be read into memory.</source>
        <translation>%s은(는) 너무 커서 메모리로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%s is a %s file: only Import reads it, and makes a 16-bit mono copy.</source>
        <translation>%s은(는) %s 파일입니다: 가져오기만 읽을 수 있으며, 16비트 모노 사본을 만듭니다.</translation>
    </message>
    <message>
        <source>%s has %s channels; recordings are analysed in mono. Import makes a mono copy.</source>
        <translation>%s은(는) 채널이 %s개입니다. 녹음은 모노로 분석됩니다. 가져오기가 모노 사본을 만듭니다.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a voice-analysis file takes up to 22050 Hz. Import converts the rate.</source>
        <translation>%s의 샘플링 주파수는 %s Hz입니다. 음성 분석 파일은 22050 Hz까지 받습니다. 가져오기가 주파수를 변환합니다.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a vocal-quality file takes 44100 Hz. Import converts the rate.</source>
        <translation>%s의 샘플링 주파수는 %s Hz입니다. 음질 파일은 44100 Hz여야 합니다. 가져오기가 주파수를 변환합니다.</translation>
    </message>
    <message>
        <source>Client: %s (code %s)</source>
        <translation>고객: %s (코드 %s)</translation>
    </message>
    <message>
        <source>File %s, voice analysis, recorded %s</source>
        <translation>파일 %s, 음성 분석, 녹음 날짜 %s</translation>
    </message>
    <message>
        <source>File %s, vocal quality, recorded %s</source>
        <translation>파일 %s, 음질, 녹음 날짜 %s</translation>
    </message>
    <message>
        <source>It´s not possible to Save the F0 Text File!</source>
        <translation>F0 텍스트 파일을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Statistics Text File!</source>
        <translation>통계 텍스트 파일을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>The folder %s does not exist.</source>
        <translation>%s 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>%s could not be written (the folder may be read-only or full).</source>
        <translation>%s을(를) 쓸 수 없습니다(폴더가 읽기 전용이거나 가득 찼을 수 있습니다).</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a number.</source>
        <translation>&quot;%s&quot;은(는) 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Marked: %s s to %s s (%s s)</source>
        <translation>표시 구간: %s초 ~ %s초 (%s초)</translation>
    </message>
    <message>
        <source>Notes: %s</source>
        <translation>메모: %s</translation>
    </message>
    <message>
        <source>To begin, create a client, open a recording, or open the demo register.</source>
        <translation>시작하려면 고객을 만들거나, 녹음을 열거나, 데모 등록부를 여십시오.</translation>
    </message>
    <message>
        <source>%s: open one of the recordings, or record a new one.</source>
        <translation>%s: 녹음 중 하나를 열거나 새로 녹음하십시오.</translation>
    </message>
    <message>
        <source>The new file is empty: record it now.</source>
        <translation>새 파일이 비어 있습니다: 지금 녹음하십시오.</translation>
    </message>
    <message>
        <source>Choose what to show: a display of the Analysis menu or of the tool bar.</source>
        <translation>표시할 내용을 고르십시오: 분석 메뉴나 도구 모음의 화면.</translation>
    </message>
    <message>
        <source>Input: %s dBFS</source>
        <translation>입력: %s dBFS</translation>
    </message>
    <message>
        <source>Clipping!</source>
        <translation>클리핑!</translation>
    </message>
    <message>
        <source>Can´t Open Waveform Output Channel!</source>
        <translation>파형 출력 채널을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <translation>사운드 파일을 재생하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>File types are different
Select a Vocal Quality File!</source>
        <translation>파일 유형이 다릅니다
음질 파일을 선택하십시오!</translation>
    </message>
    <message>
        <source>File types are different
Select a Voice Analysis File!</source>
        <translation>파일 유형이 다릅니다
음성 분석 파일을 선택하십시오!</translation>
    </message>
    <message>
        <source>Error saving File as a Model!</source>
        <translation>파일을 모델로 저장하는 중 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>%s is too short for the clinical measures: it lasts %s s, and they need a vowel of at least %s s.</source>
        <translation>%s은(는) 임상 측정에 너무 짧습니다: 길이가 %s초이며, 최소 %s초의 모음이 필요합니다.</translation>
    </message>
    <message>
        <source>%s is silent: there is no voice to measure.</source>
        <translation>%s은(는) 무음입니다: 측정할 음성이 없습니다.</translation>
    </message>
    <message>
        <source>%s holds no periodic voice: the clinical measures need a sustained vowel.</source>
        <translation>%s에는 주기적인 음성이 없습니다: 임상 측정에는 지속 모음이 필요합니다.</translation>
    </message>
    <message>
        <source>No voiced speech was found in %s.</source>
        <translation>%s에서 유성 발화를 찾지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>SpectrumSettings</name>
    <message>
        <source>Rectangular</source>
        <translation>사각</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>해밍</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>창:</translation>
    </message>
    <message>
        <source>Configure Power Spectrum</source>
        <translation>파워 스펙트럼 설정</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>FFT Size:</source>
        <translation>FFT 크기:</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum</source>
        <translation>LPC 스펙트럼 설정</translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>LPC Order:</source>
        <translation>LPC 차수:</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Acoustic assessment of the voice</source>
        <translation>음성의 음향학적 평가</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AdapterSettingsDialog</name>
    <message>
        <source>Andrea PureAudio USB Settings</source>
        <translation>Andrea PureAudio USB 설정</translation>
    </message>
    <message>
        <source>The USB adapter is connected and in use</source>
        <translation>USB 어댑터가 연결되어 사용 중입니다</translation>
    </message>
    <message>
        <source>Don´t use Filter</source>
        <translation>필터 사용 안 함</translation>
    </message>
    <message>
        <source>Low Noise Reduction Filter</source>
        <translation>낮은 잡음 감소 필터</translation>
    </message>
    <message>
        <source>Middle Noise Reduction Filter</source>
        <translation>중간 잡음 감소 필터</translation>
    </message>
    <message>
        <source>High Noise Reduction Filter</source>
        <translation>높은 잡음 감소 필터</translation>
    </message>
    <message>
        <source>Don´t use gain</source>
        <translation>게인 사용 안 함</translation>
    </message>
    <message>
        <source>5 dB Gain</source>
        <translation>5 dB 게인</translation>
    </message>
    <message>
        <source>10 dB Gain</source>
        <translation>10 dB 게인</translation>
    </message>
    <message>
        <source>15 dB Gain</source>
        <translation>15 dB 게인</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>잡음 감소:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>입력 게인:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AmplifyDialog</name>
    <message>
        <source>Amplify Volume</source>
        <translation>볼륨 증폭</translation>
    </message>
    <message>
        <source>Magnitude: </source>
        <translation>크기: </translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BoxPrompt</name>
    <message>
        <source>Save Changes?</source>
        <translation>변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <translation>이 파일 저장</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <translation>새 파일로 저장</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <translation>저장 안 함</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CRemoverFollowUp</name>
    <message>
        <source>Remove Sound File</source>
        <translation>소리 파일 빼기</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfGravar</name>
    <message>
        <source>Configure Record...</source>
        <translation>녹음 설정...</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Line Input</source>
        <translation>라인 입력</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>입력:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>주파수:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfVogal</name>
    <message>
        <source>Vowel Space</source>
        <translation>모음 공간</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>남성</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>여성</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>아동</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>IPA</source>
        <translation>IPA</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CGravacao</name>
    <message>
        <source>Record</source>
        <translation>녹음</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Wait, Calibrating...</source>
        <translation>잠시 기다리십시오. 보정 중...</translation>
    </message>
    <message>
        <source>Size %1 s</source>
        <translation>길이 %1초</translation>
    </message>
    <message>
        <source>Pos. %1 s</source>
        <translation>위치 %1초</translation>
    </message>
    <message>
        <source>Rate: %1Hz</source>
        <translation>샘플링: %1Hz</translation>
    </message>
    <message>
        <source>Max %1 s</source>
        <translation>최대 %1초</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConverter</name>
    <message>
        <source>Convert File</source>
        <translation>파일 변환</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported had an audio format different from the needed!  Do you want to convert it?</source>
        <translation>경고: 가져올 사운드 파일의 오디오 형식이 필요한 형식과 다릅니다!  변환하시겠습니까?</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>파일:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>샘플링 주파수:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>모노</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <translation>스테레오를 모노로</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>왼쪽 채널</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>오른쪽 채널</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <translation>채널 혼합</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CMainFrame</name>
    <message>
        <source>Sound Files (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;All Files (*)</source>
        <translation>사운드 파일 (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>%1 변환 중...</translation>
    </message>
    <message>
        <source>Sonarel</source>
        <translation>Sonarel</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Open a sound file to begin (Client &gt; Open... or drop a file here).</source>
        <translation>시작하려면 음성 파일을 여십시오(고객 &gt; 열기... 또는 여기에 파일을 끌어다 놓기).</translation>
    </message>
    <message>
        <source>vocal quality</source>
        <translation>음질</translation>
    </message>
    <message>
        <source>voice analysis</source>
        <translation>음성 분석</translation>
    </message>
    <message>
        <source>%1 — %2 Hz, %3 s, %4</source>
        <translation>%1 — %2 Hz, %3 s, %4</translation>
    </message>
    <message>
        <source>%1 s to %2 s%3</source>
        <translation>%1 s ~ %2 s%3</translation>
    </message>
    <message>
        <source> (zoomed)</source>
        <translation> (확대)</translation>
    </message>
    <message>
        <source>Analysing the recording...</source>
        <translation>녹음을 분석하는 중...</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>텍스트 파일(*.txt)</translation>
    </message>
    <message>
        <source>Sonarel %1
Acoustic assessment of the voice.</source>
        <translation>Sonarel %1
음성의 음향학적 평가.</translation>
    </message>
    <message>
        <source>Sound File (*.wav)</source>
        <translation>음성 파일(*.wav)</translation>
    </message>
    <message>
        <source>New %1 file %2 for %3: ready to record.</source>
        <translation>%3 고객의 새 %1 파일 %2: 녹음 준비 완료.</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>보고서를 %1에 저장했습니다</translation>
    </message>
    <message>
        <source>Sound Files (*.wav)</source>
        <translation>사운드 파일(*.wav)</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientDialog</name>
    <message>
        <source>Client</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>남성</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>여성</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>아동</translation>
    </message>
    <message>
        <source>Singer</source>
        <translation>가수</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <translation>MM  /  DD  /   YYYY</translation>
    </message>
    <message>
        <source>YYYY  /  MM  /  DD</source>
        <translation>YYYY  /  MM  /  DD</translation>
    </message>
    <message>
        <source>DD  /  MM  /   YYYY</source>
        <translation>DD  /  MM  /   YYYY</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>생년월일</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>City</source>
        <translation>도시</translation>
    </message>
    <message>
        <source>State</source>
        <translation>시/도</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>우편번호</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>집 전화</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>직장 전화</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>비고</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>등록</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientListDialog</name>
    <message>
        <source>Select a Client</source>
        <translation>고객 선택</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <translation>개인 정보....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <translation>고객 삭제</translation>
    </message>
    <message>
        <source>Open Files...</source>
        <translation>파일 열기...</translation>
    </message>
    <message>
        <source>New Client</source>
        <translation>새 고객</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>목록 인쇄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Client Name</source>
        <translation>고객 이름</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureF0Dialog</name>
    <message>
        <source>Configure F0</source>
        <translation>F0 설정</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <translation>F0 범위</translation>
    </message>
    <message>
        <source>Low (Hz)</source>
        <translation>하한(Hz)</translation>
    </message>
    <message>
        <source>High (Hz)</source>
        <translation>상한(Hz)</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>무음</translation>
    </message>
    <message>
        <source>Silence Threshold (dB)</source>
        <translation>무음 임계값(dB)</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>그래프</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>점</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>방법</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureIntensityDialog</name>
    <message>
        <source>Configure Intensity</source>
        <translation>강도 설정</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>범위</translation>
    </message>
    <message>
        <source>Low Limit</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>상한</translation>
    </message>
</context>
<context>
    <name>sonarel::app::FilesDialog</name>
    <message>
        <source>%1 - Files</source>
        <translation>%1 - 파일</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>메모 편집</translation>
    </message>
    <message>
        <source>Sent to Backup</source>
        <translation>백업으로 보냄</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>음성 품질</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>음성 분석</translation>
    </message>
</context>
<context>
    <name>sonarel::app::HelpWindow</name>
    <message>
        <source>Sonarel Help</source>
        <translation>Sonarel 도움말</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
</context>
<context>
    <name>sonarel::app::NoticeDialog</name>
    <message>
        <source>Notice</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>don´t show this message again</source>
        <translation>이 메시지를 다시 표시하지 않음</translation>
    </message>
</context>
<context>
    <name>sonarel::app::SoundFileDialog</name>
    <message>
        <source>Sound File</source>
        <translation>소리 파일</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>음성 분석</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>음성 품질</translation>
    </message>
    <message>
        <source>Which kind of file do you want to record?</source>
        <translation>어떤 종류의 파일을 녹음하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>sonarel::noted::NotesWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>서식(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>서식</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1.</source>
        <translation type="vanished">메모를 %1에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation type="vanished">메모의 변경 내용을 저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BackupWaitWindow</name>
    <message>
        <source>Wait</source>
        <translation>기다리십시오</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CBackup</name>
    <message>
        <source>Copying...</source>
        <translation>복사 중...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <translation>압축 푸는 중:</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>확인 중...</translation>
    </message>
    <message>
        <source>Wait:</source>
        <translation>기다리십시오:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <translation>데이터를 비우는 중...</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <translation>기다리십시오. 백업 폴더를 지우는 중...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <translation>기다리십시오. 파일을 되돌리는 중...</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <translation>백업/복원</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <translation>백업 만들기...</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <translation>백업 복원....</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <translation>백업으로 보내기...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <translation>파일 되찾기...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <translation>모든 고객 정보의 보안 사본을 만듭니다. 데이터는 시스템에서 지우지 않습니다.</translation>
    </message>
    <message>
        <source>Copy the chosen clients to a backup and free their recordings from the system, keeping their dates.</source>
        <translation>고른 고객을 백업으로 복사하고 녹음을 시스템에서 비웁니다. 날짜는 남겨 둡니다.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.  </source>
        <translation>모든 고객의 보안 사본을 복원하여 시스템의 현재 데이터를 모두 바꿉니다.  </translation>
    </message>
    <message>
        <source>Bring the files of the chosen clients back from a backup.</source>
        <translation>고른 고객의 파일을 백업에서 되찾습니다.</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <translation>백업으로 보낼 고객을 고르십시오:</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <translation>대상 폴더를 고르십시오:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <translation>파일을 되찾을 고객을 고르십시오:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <translation>원본 폴더를 고르십시오:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CSelPacBkp</name>
    <message>
        <source>Select a Client</source>
        <translation>고객 선택</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Client´s List</source>
        <translation>고객 목록</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>페이지 %1/%2</translation>
    </message>
    <message>
        <source>Comparison: %1</source>
        <translation>비교: %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>개인 정보</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>오디오 신호</translation>
    </message>
    <message>
        <source>Fundamental Frequency</source>
        <translation>기본 주파수</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>강도</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 및 강도</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>LPC 스펙트럼</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>히스토그램(F0)</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>파워 스펙트럼</translation>
    </message>
    <message>
        <source>LPC and Power Spectrum</source>
        <translation>LPC 및 파워 스펙트럼</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>모음 공간</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>스펙트로그램</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>스펙트로그램 - 진폭</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>발성 편차 도표</translation>
    </message>
    <message>
        <source>Vocal Analysis Data</source>
        <translation>음성 분석 데이터</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity e F0</source>
        <translation>스펙트로그램, 강도 및 F0</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram - Follow up</source>
        <translation>발성 편차 도표 - 추적 관찰</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>이름: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>파일: </translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>생년월일:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>도시:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>주/도:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>우편번호:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <translation>집 전화:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <translation>직장 전화:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <translation>비고:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>Voice report, file %1</source>
        <translation>음성 보고서, 파일 %1</translation>
    </message>
    <message>
        <source>Voice report of %1, file %2</source>
        <translation>%1의 음성 보고서, 파일 %2</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CImprimir</name>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Print page number</source>
        <translation>페이지 번호 인쇄</translation>
    </message>
    <message>
        <source>Print sound file in gray scale</source>
        <translation>사운드 파일을 회색조로 인쇄</translation>
    </message>
</context>
<context>
    <name>F0Method</name>
    <message>
        <source>AutoCorrelation</source>
        <translation>자기상관</translation>
    </message>
    <message>
        <source>CrossCorrelation</source>
        <translation>상호상관</translation>
    </message>
    <message>
        <source>LPC AutoCorrelation</source>
        <translation>LPC 자기상관</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ComparisonBar</name>
    <message>
        <source>Comparison: %1</source>
        <translation>비교: %1</translation>
    </message>
</context>
</TS>
